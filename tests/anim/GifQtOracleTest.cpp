// The GIF decoder and the frame composer against an outside oracle: Qt's own GIF reader, which
// composes each frame onto the ones before it by their disposal methods. A table of generated
// files covers global and local colour tables, transparency, disposal 0 to 3, interlacing,
// frames smaller than the screen and odd sizes; every frame the program composes, stepping on
// frame by frame and jumping to it afresh, must equal Qt's pixel for pixel.
//
// The format leaves a few things to the reader, and there the two differ by design, so the
// table stays clear of them: what shows where no frame has drawn yet and what a frame is
// restored to under disposal 2 (Qt: black, or see-through when the next frame has a
// transparent colour; the program: see-through, the background colour or the window colour,
// decided once for the picture), frames reaching past the screen (Qt moves them inside, the
// program clips them), frames without a graphic control extension, and the reserved disposal
// methods 4 to 7. Every table below therefore has black at index 0, the background index, and
// the window colour is black too. Qt also misplaces the rows of interlaced frames 3 or 4 rows
// tall (ImageMagick reads them as the decoder does), so interlaced frames here are at least 5
// rows tall; the decoder's own tests cover the short ones.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "anim/FrameComposer.h"
#include "engine/GifDecoder.h"
#include "support/GifBuilder.h"

namespace velmora {
namespace {

using test::GifFrameRecipe;
using test::GifRecipe;
using test::graphicControl;

constexpr std::uint32_t kWindowRgb = 0x000000;
constexpr int kGlobalColours = 64;
constexpr int kTransparent = kGlobalColours - 1;  // drawn only where a frame is see-through

// Distinct colours, black first; `tint` makes a local table differ from the global one.
std::vector<std::uint32_t> colourTable(int count, std::uint32_t tint) {
    std::vector<std::uint32_t> table{0x000000};
    for (int i = 1; i < count; ++i) {
        const auto n = static_cast<std::uint32_t>(i);
        const std::uint32_t red = n * 255 / static_cast<std::uint32_t>(count - 1);
        table.push_back(red << 16 | (tint & 0xFF) << 8 | (255 - n * 3) % 256);
    }
    return table;
}

// A frame of a varied pattern that avoids black and the transparent index, with a graphic
// control extension of the given disposal.
GifFrameRecipe frame(int left, int top, int width, int height, int disposal, int salt = 0,
                     int colours = kGlobalColours) {
    GifFrameRecipe f{.left = left, .top = top, .width = width, .height = height};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            f.indices.push_back(static_cast<std::uint8_t>(1 + (x * 7 + y * 13 + salt) % (colours - 2)));
        }
    }
    f.extensions = {graphicControl(disposal, 10)};
    return f;
}

// The same frame with every third pixel see-through.
GifFrameRecipe withHoles(GifFrameRecipe f, int disposal) {
    for (std::size_t i = 0; i < f.indices.size(); i += 3) f.indices[i] = kTransparent;
    f.extensions = {graphicControl(disposal, 10, kTransparent)};
    return f;
}

GifFrameRecipe withLocalTable(GifFrameRecipe f, int colours, std::uint32_t tint) {
    f.localColors = colourTable(colours, tint);
    return f;
}

// Every row its own colours, so rows stored in the wrong pass land visibly wrong.
GifFrameRecipe interlaced(int left, int top, int width, int height, int disposal) {
    GifFrameRecipe f{.left = left, .top = top, .width = width, .height = height, .interlaced = true};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) f.indices.push_back(static_cast<std::uint8_t>(1 + (y * 2 + x % 2) % 61));
    }
    f.extensions = {graphicControl(disposal, 10)};
    return f;
}

struct OracleCase {
    const char* name;
    GifRecipe recipe;
};

void PrintTo(const OracleCase& c, std::ostream* out) { *out << c.name; }

GifRecipe screen(int width, int height, std::vector<GifFrameRecipe> frames) {
    return GifRecipe{.width = width, .height = height, .globalColors = colourTable(kGlobalColours, 0x40),
                     .backgroundIndex = 0, .frames = std::move(frames)};
}

std::vector<OracleCase> cases() {
    std::vector<OracleCase> table;
    table.push_back({"one_pixel", screen(1, 1, {frame(0, 0, 1, 1, 0)})});
    table.push_back({"odd_size", screen(7, 5, {frame(0, 0, 7, 5, 1)})});
    table.push_back({"tall_and_narrow", screen(3, 17, {frame(0, 0, 3, 17, 1), frame(1, 4, 2, 9, 1, 5)})});
    table.push_back({"partial_frames_left_in_place",
                     screen(9, 7, {frame(0, 0, 9, 7, 1), frame(2, 3, 3, 2, 1, 1), frame(5, 0, 4, 1, 0, 2),
                                   frame(0, 6, 9, 1, 0, 3)})});
    table.push_back({"first_frame_partial", screen(8, 6, {frame(2, 1, 4, 3, 1), frame(0, 0, 3, 2, 1, 4)})});
    table.push_back({"local_colour_tables",
                     screen(10, 8, {frame(0, 0, 10, 8, 1), withLocalTable(frame(1, 2, 5, 4, 1, 1, 4), 4, 0x90),
                                    withLocalTable(frame(0, 0, 10, 8, 1, 2, 16), 16, 0xC0),
                                    frame(4, 4, 3, 3, 1, 3)})});
    // A two-colour table: the smallest code size.
    table.push_back({"two_colours", [] {
                         GifFrameRecipe f = frame(0, 0, 6, 4, 1);
                         for (std::size_t i = 0; i < f.indices.size(); ++i) {
                             f.indices[i] = static_cast<std::uint8_t>((i + i / 6) % 2);
                         }
                         return GifRecipe{.width = 6, .height = 4, .globalColors = {0x000000, 0xFFEE00}, .frames = {f}};
                     }()});
    // Codes grow to 12 bits and the code table fills up and starts again on the way.
    table.push_back({"every_index_of_256", [] {
                         GifRecipe r = screen(127, 93, {});
                         r.globalColors = colourTable(256, 0x20);
                         GifFrameRecipe f = frame(0, 0, 127, 93, 1, 0, 256);
                         for (std::size_t i = 0; i < f.indices.size(); ++i) {
                             f.indices[i] = static_cast<std::uint8_t>(1 + (i * i * 31 + i / 7) % 254);
                         }
                         r.frames = {f};
                         return r;
                     }()});
    table.push_back({"transparency_over_earlier_frames",
                     screen(9, 6, {frame(0, 0, 9, 6, 1), withHoles(frame(0, 0, 9, 6, 1, 1), 1),
                                   withHoles(frame(3, 2, 4, 3, 1, 2), 1)})});
    // The first frame has a transparent colour: where nothing is drawn stays see-through.
    table.push_back({"see_through_screen",
                     screen(8, 8, {withHoles(frame(1, 1, 5, 5, 1), 1), withHoles(frame(3, 0, 5, 4, 1, 1), 1),
                                   withHoles(frame(0, 5, 8, 3, 1, 2), 1)})});
    table.push_back({"disposal_0_and_1",
                     screen(6, 6, {frame(0, 0, 6, 6, 0), frame(1, 1, 2, 2, 0, 1), frame(3, 3, 3, 3, 1, 2),
                                   frame(0, 4, 2, 2, 0, 3)})});
    table.push_back({"disposal_2_to_black",
                     screen(9, 7, {frame(0, 0, 9, 7, 1), frame(2, 1, 4, 4, 2, 1), frame(5, 3, 4, 4, 1, 2),
                                   frame(0, 0, 3, 3, 2, 3), frame(1, 1, 2, 2, 1, 4)})});
    table.push_back({"disposal_2_see_through",
                     screen(9, 7, {withHoles(frame(0, 0, 9, 7, 1), 1), withHoles(frame(2, 1, 4, 4, 2, 1), 2),
                                   withHoles(frame(5, 3, 4, 4, 1, 2), 1)})});
    table.push_back({"disposal_3_restores_previous",
                     screen(9, 7, {frame(0, 0, 9, 7, 1), frame(2, 1, 4, 4, 3, 1), frame(4, 3, 4, 4, 1, 2),
                                   frame(1, 1, 3, 3, 3, 3), frame(0, 5, 9, 2, 1, 4)})});
    // A frame restored away hides nothing, even one covering the screen.
    table.push_back({"disposal_3_full_screen",
                     screen(7, 5, {frame(0, 0, 7, 5, 1), frame(0, 0, 7, 5, 3, 1), frame(2, 1, 3, 2, 1, 2)})});
    table.push_back({"disposal_3_with_holes",
                     screen(7, 5, {frame(0, 0, 7, 5, 1), withHoles(frame(1, 0, 5, 5, 3, 1), 3),
                                   withHoles(frame(2, 1, 3, 3, 1, 2), 1)})});
    table.push_back({"mixed_disposals",
                     screen(11, 9, {frame(0, 0, 11, 9, 1), frame(1, 1, 4, 4, 2, 1), frame(6, 1, 4, 4, 3, 2),
                                    frame(3, 3, 5, 5, 1, 3), frame(0, 0, 11, 9, 1, 4), frame(2, 6, 7, 2, 0, 5)})});
    table.push_back({"interlaced_full_screen", screen(5, 16, {interlaced(0, 0, 5, 16, 1)})});
    table.push_back({"interlaced_partial_frames",
                     screen(12, 23, {frame(0, 0, 12, 23, 1), interlaced(2, 3, 7, 19, 1), interlaced(0, 0, 4, 6, 2),
                                     interlaced(5, 10, 6, 9, 1)})});
    return table;
}

// Qt's frames, composed, as ARGB pixels.
std::vector<QImage> framesFromQt(const test::Bytes& file) {
    QByteArray data(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    for (QImage image; reader.read(&image);) frames.push_back(image.convertToFormat(QImage::Format_ARGB32));
    return frames;
}

// A see-through pixel has no colour.
QRgb shown(QRgb pixel) { return qAlpha(pixel) == 0 ? 0 : pixel; }

// Empty when the two are equal, else where they first differ and how many pixels do.
std::string differences(const QImage& ours, const QImage& qt) {
    if (ours.size() != qt.size()) return "sizes differ";
    const QImage mine = ours.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    std::ostringstream first;
    for (int y = 0; y < qt.height(); ++y) {
        for (int x = 0; x < qt.width(); ++x) {
            if (shown(mine.pixel(x, y)) == shown(qt.pixel(x, y))) continue;
            if (count++ == 0) {
                first << std::hex << "first at (" << std::dec << x << ", " << y << std::hex << "): ours "
                      << shown(mine.pixel(x, y)) << ", Qt " << shown(qt.pixel(x, y));
            }
        }
    }
    return count == 0 ? std::string() : std::to_string(count) + " pixels, " + first.str();
}

class GifQtOracle : public testing::TestWithParam<OracleCase> {};

TEST_P(GifQtOracle, ComposedFramesEqualQtsFrames) {
    const test::Bytes file = test::buildGif(GetParam().recipe);
    const std::vector<QImage> expected = framesFromQt(file);
    const GifPicture picture = decodeGif(file);
    ASSERT_EQ(picture.frames.size(), expected.size());
    ASSERT_FALSE(expected.empty());

    // One composer steps on frame by frame, reusing what it drew; a fresh one builds each frame.
    FrameComposer stepping;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const int index = static_cast<int>(k);
        EXPECT_EQ(differences(stepping.compose(picture, index, kWindowRgb), expected[k]), "") << "stepping to " << k;
        FrameComposer jumping;
        EXPECT_EQ(differences(jumping.compose(picture, index, kWindowRgb), expected[k]), "") << "jumping to " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, GifQtOracle, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<OracleCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora
