// The BMP reader against an outside oracle: the BMP Suite's pictures and the suite's own
// reference renderings (tests/data/bmpsuite, see its README). Every file the reader accepts
// must show its reference pixel for pixel; every file it refuses must end in the reader's
// message; the damaged files it reads anyway must read, save and read back without harm
// (the sanitizer build runs these too).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/CarrierPicture.h"
#include "engine/EngineError.h"
#include "support/BmpBuilder.h"
#include "support/Expect.h"
#include "support/PamImage.h"
#include "support/BuildPaths.h"

namespace velmora {
namespace {

const std::string kSuite = test::besideTestProgram(VELMORA_TEST_DATA "/bmpsuite/");

// Bits a channel is stored in; 8 for palette and 24-bit pictures.
struct ChannelBits {
    unsigned red = 8;
    unsigned green = 8;
    unsigned blue = 8;
};

struct RenderedCase {
    const char* file;
    const char* reference;  // a rendering of ref/, without its extension
    ChannelBits bits{};     // the suite names the odd ones in the file name (rgb16-231: 2, 3, 1)
};

// A test name for a file: its path without the extension, letters and digits only.
std::string testNameOf(const char* file) {
    std::string name = std::filesystem::path(file).replace_extension().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

template <typename Case>
std::string nameOf(const testing::TestParamInfo<Case>& info) {
    return testNameOf(info.param.file);
}

// Each file with the rendering of the picture it stores: the suite stores a few pictures in
// many forms. RLE files whose data skips pixels or stops early have renderings for three
// readings of those pixels; the engine's is "-b", black, as a fresh bitmap starts.
const RenderedCase kRendered[] = {
    {"g/pal1.bmp", "pal1"},
    {"g/pal1bg.bmp", "pal1bg"},
    {"g/pal1wb.bmp", "pal1"},
    {"g/pal4.bmp", "pal4"},
    {"g/pal4gs.bmp", "pal4gs"},
    {"g/pal4rle.bmp", "pal4"},
    {"g/pal8-0.bmp", "pal8"},
    {"g/pal8.bmp", "pal8"},
    {"g/pal8gs.bmp", "pal8gs"},
    {"g/pal8nonsquare.bmp", "pal8nonsquare-e"},  // "-e" keeps the stored pixels, unstretched
    {"g/pal8os2.bmp", "pal8"},
    {"g/pal8rle.bmp", "pal8"},
    {"g/pal8topdown.bmp", "pal8"},
    {"g/pal8v4.bmp", "pal8"},
    {"g/pal8v5.bmp", "pal8"},
    {"g/pal8w124.bmp", "pal8w124"},
    {"g/pal8w125.bmp", "pal8w125"},
    {"g/pal8w126.bmp", "pal8w126"},
    {"g/rgb16-565.bmp", "rgb16-565", {5, 6, 5}},
    {"g/rgb16-565pal.bmp", "rgb16-565", {5, 6, 5}},
    {"g/rgb16.bmp", "rgb16", {5, 5, 5}},
    {"g/rgb16bfdef.bmp", "rgb16", {5, 5, 5}},
    {"g/rgb24.bmp", "rgb24"},
    {"g/rgb24pal.bmp", "rgb24"},
    {"g/rgb32.bmp", "rgb24"},
    {"g/rgb32bf.bmp", "rgb24"},
    {"g/rgb32bfdef.bmp", "rgb24"},

    {"q/pal1p1.bmp", "pal1p1"},
    {"q/pal4rlecut.bmp", "pal4rlecut-b"},
    {"q/pal4rletrns.bmp", "pal4rletrns-b"},
    {"q/pal8offs.bmp", "pal8"},
    {"q/pal8os2-hs.bmp", "pal8"},
    {"q/pal8os2-sz.bmp", "pal8"},
    {"q/pal8os2sp.bmp", "pal8"},
    {"q/pal8os2v2.bmp", "pal8"},
    {"q/pal8os2v2-40sz.bmp", "pal8"},
    {"q/pal8os2v2-sz.bmp", "pal8"},
    {"q/pal8oversizepal.bmp", "pal8"},
    {"q/pal8rlecut.bmp", "pal8rlecut-b"},
    {"q/pal8rletrns.bmp", "pal8rletrns-b"},
    {"q/rgb16-231.bmp", "rgb16-231", {2, 3, 1}},
    {"q/rgb16-3103.bmp", "rgb16-3103", {3, 10, 3}},
    {"q/rgb16faketrns.bmp", "rgb16", {5, 5, 5}},  // the spare bit is not alpha: the plain picture
    {"q/rgb24largepal.bmp", "rgb24"},
    {"q/rgb24lprof.bmp", "rgb24"},
    {"q/rgb24prof.bmp", "rgb24"},
    {"q/rgb32-111110.bmp", "rgb24", {11, 11, 10}},  // no rendering of its own: the 24-bit picture
    {"q/rgb32-7187.bmp", "rgb32-7187", {7, 18, 7}},
    {"q/rgb32-xbgr.bmp", "rgb24"},
    {"q/rgb32fakealpha.bmp", "rgb24"},  // the fourth byte is not alpha
    {"q/rgb32h52.bmp", "rgb24"},
    {"q/rgba16-1924.bmp", "rgba16-1924", {1, 9, 2}},
    {"q/rgba16-4444.bmp", "rgba16-4444", {4, 4, 4}},
    {"q/rgba16-5551.bmp", "rgba16-5551", {5, 5, 5}},
    {"q/rgba32-1.bmp", "rgba32"},
    {"q/rgba32-2.bmp", "rgba32"},
    {"q/rgba32-1010102.bmp", "rgba32-1010102", {10, 10, 10}},
    {"q/rgba32-61754.bmp", "rgba32-61754", {6, 17, 5}},
    {"q/rgba32-81284.bmp", "rgba32-81284", {8, 12, 8}},
    {"q/rgba32h56.bmp", "rgba32"},

    // Damaged in a field the reader does not trust or needs no more than it finds, so what
    // they show is plain.
    {"b/badbitssize.bmp", "pal1"},
    {"b/baddens1.bmp", "pal1"},
    {"b/baddens2.bmp", "pal1"},
    {"b/badfilesize.bmp", "pal1"},
    {"b/badheadersize.bmp", "pal1"},  // an information header longer than 40 bytes
    {"b/badpalettesize.bmp", "pal8"},
    {"b/rgb16-880.bmp", "rgb16-880", {8, 8, 0}},
    {"b/rletopdown.bmp", "pal8"},
};

// The raw channel values of `bits` bits that one byte read by the engine stands for. A
// narrower channel is widened by a left shift (5 bits of 31 read as 248), so its low bits are 0
// and it stands for one value; a wider channel keeps its top 8 bits and stands for every value
// that shares them.
struct RawRange {
    std::uint32_t low;
    std::uint32_t high;
};

std::optional<RawRange> rawValuesOf(std::uint8_t read, unsigned bits) {
    if (bits == 0) return read == 0 ? std::optional<RawRange>(RawRange{0, 0}) : std::nullopt;
    if (bits <= 8) {
        const unsigned dropped = 8 - bits;
        if ((read & ((1u << dropped) - 1u)) != 0) return std::nullopt;
        const std::uint32_t value = std::uint32_t{read} >> dropped;
        return RawRange{value, value};
    }
    const unsigned kept = bits - 8;
    const std::uint32_t low = std::uint32_t{read} << kept;
    return RawRange{low, low + (1u << kept) - 1u};
}

// The renderings scale a raw value to their own range and round (31 of 5 bits becomes 255 of
// 8). A byte read agrees with a reference sample when a raw value it stands for scales to
// less than one reference step from the sample; for 8-bit channels that is equality.
bool agrees(std::uint8_t read, unsigned reference, unsigned referenceMax, unsigned bits) {
    const std::optional<RawRange> raw = rawValuesOf(read, bits);
    if (!raw) return false;
    if (bits == 0) return reference == 0;
    const double scale = static_cast<double>(referenceMax) / static_cast<double>((1u << bits) - 1u);
    return reference > raw->low * scale - 1.0 && reference < raw->high * scale + 1.0;
}

void PrintTo(const RenderedCase& c, std::ostream* out) { *out << c.file; }  // a failure names its file

class BmpSuiteRendered : public testing::TestWithParam<RenderedCase> {};

TEST_P(BmpSuiteRendered, MatchesItsReferencePixelForPixel) {
    const RenderedCase& c = GetParam();
    CarrierPicture picture;
    ASSERT_NO_THROW(picture.load(kSuite + c.file));
    const test::PamImage reference = test::readPam(kSuite + "ref/" + c.reference + ".pam");
    ASSERT_EQ(picture.width(), reference.width);
    ASSERT_EQ(picture.height(), reference.height);

    const unsigned bits[3] = {c.bits.red, c.bits.green, c.bits.blue};
    int mismatches = 0;
    std::ostringstream first;
    for (int y = 0; y < reference.height; ++y) {
        for (int x = 0; x < reference.width; ++x) {
            // A pixel the rendering leaves fully see-through has no colour to compare; the
            // program has no alpha.
            if (reference.hasAlpha() && reference.sample(x, y, 3) == 0) continue;
            const ColorValue read = picture.readPixel(x, y);
            const std::uint8_t channels[3] = {redOf(read), greenOf(read), blueOf(read)};
            for (int i = 0; i < 3; ++i) {
                if (agrees(channels[i], reference.sample(x, y, i), reference.maxValue, bits[i])) continue;
                if (mismatches++ == 0) {
                    first << "first at (" << x << ", " << y << ") channel " << i << ": read "
                          << unsigned{channels[i]} << ", reference " << reference.sample(x, y, i) << " of "
                          << reference.maxValue << ", " << bits[i] << " bits";
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << first.str();
}

INSTANTIATE_TEST_SUITE_P(BmpSuite, BmpSuiteRendered, testing::ValuesIn(kRendered), nameOf<RenderedCase>);

struct RefusedCase {
    const char* file;
    const char* message;
};

// Forms outside what the reader takes (2 or 64 bits, embedded JPEG or PNG, Huffman or 24-bit
// RLE, alpha bit fields, a 16-byte header) and files no reader can make sense of.
const RefusedCase kRefused[] = {
    {"q/pal1huffmsb.bmp", messages::kBitmapInvalid},
    {"q/pal2.bmp", messages::kBitmapInvalid},
    {"q/pal2color.bmp", messages::kBitmapInvalid},
    {"q/pal8os2v2-16.bmp", messages::kBitmapInvalid},
    {"q/rgb24jpeg.bmp", messages::kBitmapInvalid},
    {"q/rgb24png.bmp", messages::kBitmapInvalid},
    {"q/rgb24rle24.bmp", messages::kBitmapInvalid},
    {"q/rgba32abf.bmp", messages::kBitmapInvalid},
    {"q/rgba64.bmp", messages::kBitmapInvalid},
    {"b/badbitcount.bmp", messages::kBitmapInvalid},
    {"b/badplanes.bmp", messages::kBitmapInvalid},
    {"b/badwidth.bmp", messages::kBitmapInvalid},
    {"b/reallybig.bmp", messages::kStreamReadError},  // its size needs far more rows than the file has
    {"b/shortfile.bmp", messages::kStreamReadError},
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.file; }

class BmpSuiteRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(BmpSuiteRefused, EndsInTheReadersMessageAndKeepsTheHeldPicture) {
    const RefusedCase& c = GetParam();
    CarrierPicture picture;
    picture.load(kSuite + "g/pal8w124.bmp");
    EXPECT_THROW_MESSAGE(picture.load(kSuite + c.file), EngineError, c.message);
    EXPECT_EQ(picture.width(), 124);
    EXPECT_EQ(picture.height(), 61);
}

INSTANTIATE_TEST_SUITE_P(BmpSuite, BmpSuiteRefused, testing::ValuesIn(kRefused), nameOf<RefusedCase>);

struct ToleratedCase {
    const char* file;
};

// Read although damaged, with no rendering to compare: run-length data that runs past a row or
// the picture (the excess is dropped), colour indices past the table (black), and a picture
// whose only rendering applies its colour profile, which the program does not.
const ToleratedCase kTolerated[] = {
    {"b/badrle.bmp"},     {"b/badrlebis.bmp"},    {"b/badrleter.bmp"},     {"b/badrle4.bmp"},
    {"b/badrle4bis.bmp"}, {"b/badrle4ter.bmp"},   {"b/pal8badindex.bmp"},  {"q/rgb24prof2.bmp"},
};

void PrintTo(const ToleratedCase& c, std::ostream* out) { *out << c.file; }

class BmpSuiteTolerated : public testing::TestWithParam<ToleratedCase> {};

TEST_P(BmpSuiteTolerated, ReadsSavesAndReadsBackUnchanged) {
    CarrierPicture picture;
    ASSERT_NO_THROW(picture.load(kSuite + GetParam().file));
    std::vector<ColorValue> pixels;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) pixels.push_back(picture.readPixel(x, y));
    }
    test::TempDir dir;
    picture.save(dir.path("saved.bmp"));
    CarrierPicture reread;
    reread.load(dir.path("saved.bmp"));
    ASSERT_EQ(reread.width(), picture.width());
    ASSERT_EQ(reread.height(), picture.height());
    std::size_t i = 0;
    int changed = 0;
    for (int y = 0; y < reread.height(); ++y) {
        for (int x = 0; x < reread.width(); ++x) changed += reread.readPixel(x, y) != pixels[i++];
    }
    EXPECT_EQ(changed, 0);
}

INSTANTIATE_TEST_SUITE_P(BmpSuite, BmpSuiteTolerated, testing::ValuesIn(kTolerated), nameOf<ToleratedCase>);

// Some writers leave the pixel offset at 0; the rows then follow the headers, the masks and
// the colour table, which pictures of more than 8 bits may carry as well.
class BmpSuiteOffsetZero : public testing::TestWithParam<const char*> {};

TEST_P(BmpSuiteOffsetZero, ReadsTheRowsThatFollowTheTables) {
    test::Bytes file = test::readFile(kSuite + GetParam());
    std::fill_n(file.begin() + 10, 4, 0);  // the file header's pixel offset
    test::TempDir dir;
    test::writeFile(dir.path("zero.bmp"), file);
    CarrierPicture zero;
    ASSERT_NO_THROW(zero.load(dir.path("zero.bmp")));
    CarrierPicture stated;
    stated.load(kSuite + GetParam());
    ASSERT_EQ(zero.width(), stated.width());
    ASSERT_EQ(zero.height(), stated.height());
    int differing = 0;
    for (int y = 0; y < stated.height(); ++y) {
        for (int x = 0; x < stated.width(); ++x) differing += zero.readPixel(x, y) != stated.readPixel(x, y);
    }
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(BmpSuite, BmpSuiteOffsetZero,
                         testing::Values("g/pal1.bmp", "g/pal4.bmp", "g/pal4rle.bmp", "g/pal8os2.bmp", "g/pal8v5.bmp",
                                         "g/rgb16.bmp", "g/rgb16-565.bmp", "g/rgb16-565pal.bmp", "g/rgb24.bmp",
                                         "g/rgb24pal.bmp", "g/rgb32bf.bmp", "q/rgb32h52.bmp"),
                         [](const testing::TestParamInfo<const char*>& param) { return testNameOf(param.param); });

// A picture copied into the data folder without a case would be checked by nothing.
TEST(BmpSuite, EveryCopiedPictureHasACase) {
    std::set<std::string> cased;
    for (const auto& c : kRendered) cased.insert(c.file);
    for (const auto& c : kRefused) cased.insert(c.file);
    for (const auto& c : kTolerated) cased.insert(c.file);
    std::set<std::string> copied;
    for (const char* folder : {"g", "q", "b"}) {
        for (const auto& entry : std::filesystem::directory_iterator(kSuite + folder)) {
            copied.insert(std::string(folder) + "/" + entry.path().filename().string());
        }
    }
    EXPECT_EQ(copied, cased);
}

}  // namespace
}  // namespace velmora
