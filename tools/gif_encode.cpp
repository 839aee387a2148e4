#include "gif_encode.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace {

constexpr int kTransparent = 0;
constexpr int kMaxColours = 127;  // plus the transparent slot: 128 is plenty for these and packs tighter than 256

using Rgb8 = std::array<int, 3>;

Rgb8 toRgb8(const Rgb& c) {
    auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

std::uint32_t pack(const Rgb8& c) { return static_cast<std::uint32_t>(c[0] << 16 | c[1] << 8 | c[2]); }

Rgb8 unpack(std::uint32_t v) { return {int(v >> 16 & 0xff), int(v >> 8 & 0xff), int(v & 0xff)}; }

// Green counts most and blue least, roughly as the eye weighs them.
double distance(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    constexpr std::array<double, 3> weight{3.0, 4.0, 2.0};
    double sum = 0;
    for (int i = 0; i < 3; ++i) sum += weight[i] * (a[i] - b[i]) * (a[i] - b[i]);
    return sum;
}

struct Swatch {
    std::array<double, 3> rgb;
    double count;
};

struct Box {
    std::size_t begin, end;
    double error;  // weighted spread around the mean, what splitting the box would reduce
    int axis;      // channel with the widest spread
};

Box measure(const std::vector<Swatch>& swatches, std::size_t begin, std::size_t end) {
    std::array<double, 3> sum{}, square{};
    double n = 0;
    for (std::size_t i = begin; i < end; ++i) {
        for (int c = 0; c < 3; ++c) {
            sum[c] += swatches[i].rgb[c] * swatches[i].count;
            square[c] += swatches[i].rgb[c] * swatches[i].rgb[c] * swatches[i].count;
        }
        n += swatches[i].count;
    }
    Box box{begin, end, 0.0, 0};
    double widest = -1;
    for (int c = 0; c < 3; ++c) {
        double spread = square[c] - sum[c] * sum[c] / n;
        box.error += spread;
        if (spread > widest) widest = spread, box.axis = c;
    }
    if (end - begin < 2) box.error = 0;
    return box;
}

std::array<double, 3> mean(const std::vector<Swatch>& swatches, std::size_t begin, std::size_t end) {
    std::array<double, 3> sum{};
    double n = 0;
    for (std::size_t i = begin; i < end; ++i) {
        for (int c = 0; c < 3; ++c) sum[c] += swatches[i].rgb[c] * swatches[i].count;
        n += swatches[i].count;
    }
    for (auto& v : sum) v /= n;
    return sum;
}

std::size_t nearest(const std::vector<std::array<double, 3>>& palette, const std::array<double, 3>& rgb) {
    std::size_t best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        double d = distance(palette[i], rgb);
        if (d < bestDistance) bestDistance = d, best = i;
    }
    return best;
}

// Median cut over every colour of every frame, then a few k-means passes to settle the
// entries; one table for the whole animation keeps colours from flickering between frames.
std::vector<std::array<double, 3>> makePalette(std::vector<Swatch> swatches) {
    std::vector<Box> boxes{measure(swatches, 0, swatches.size())};
    while (boxes.size() < kMaxColours) {
        auto widest =
            std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.error < b.error; });
        if (widest->error <= 0) break;
        Box box = *widest;
        auto first = swatches.begin() + static_cast<std::ptrdiff_t>(box.begin);
        auto last = swatches.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::sort(first, last,
                  [axis = box.axis](const Swatch& a, const Swatch& b) { return a.rgb[axis] < b.rgb[axis]; });
        double total = 0, half = 0;
        for (auto it = first; it != last; ++it) total += it->count;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            half += swatches[i].count;
            split = i + 1;
            if (half * 2 >= total) break;
        }
        *widest = measure(swatches, box.begin, split);
        boxes.push_back(measure(swatches, split, box.end));
    }

    std::vector<std::array<double, 3>> palette;
    for (const Box& box : boxes) palette.push_back(mean(swatches, box.begin, box.end));

    for (int pass = 0; pass < 4; ++pass) {
        std::vector<std::array<double, 3>> sum(palette.size(), std::array<double, 3>{});
        std::vector<double> weight(palette.size(), 0.0);
        for (const Swatch& s : swatches) {
            std::size_t i = nearest(palette, s.rgb);
            for (int c = 0; c < 3; ++c) sum[i][c] += s.rgb[c] * s.count;
            weight[i] += s.count;
        }
        for (std::size_t i = 0; i < palette.size(); ++i)
            if (weight[i] > 0)
                for (int c = 0; c < 3; ++c) palette[i][c] = sum[i][c] / weight[i];
    }
    return palette;
}

// Every frame as palette indices, plus the colour table they index.
struct Indexed {
    std::vector<std::vector<GifPixelType>> frames;
    std::vector<GifColorType> colours;
};

Indexed indexFrames(const std::vector<GifFrame>& frames) {
    std::unordered_map<std::uint32_t, double> histogram;
    for (const GifFrame& f : frames)
        for (const auto& px : f.picture.pixels)
            if (px) histogram[pack(toRgb8(*px))] += 1;

    std::vector<Swatch> swatches;
    for (auto [rgb, count] : histogram) {
        Rgb8 c = unpack(rgb);
        swatches.push_back({{double(c[0]), double(c[1]), double(c[2])}, count});
    }
    // The hash map's order is arbitrary; a fixed order keeps rebuilt files identical.
    std::sort(swatches.begin(), swatches.end(), [](const Swatch& a, const Swatch& b) { return a.rgb < b.rgb; });
    std::vector<std::array<double, 3>> palette = makePalette(swatches);

    Indexed out;
    out.colours.push_back({0, 0, 0});
    for (const auto& p : palette) {
        auto byte = [](double v) { return static_cast<GifByteType>(std::lround(std::clamp(v, 0.0, 255.0))); };
        out.colours.push_back({byte(p[0]), byte(p[1]), byte(p[2])});
    }

    std::unordered_map<std::uint32_t, GifPixelType> lookup;
    for (const Swatch& s : swatches)
        lookup[pack({int(s.rgb[0]), int(s.rgb[1]), int(s.rgb[2])})] =
            static_cast<GifPixelType>(nearest(palette, s.rgb) + 1);

    for (const GifFrame& f : frames) {
        std::vector<GifPixelType> indices;
        indices.reserve(f.picture.pixels.size());
        for (const auto& px : f.picture.pixels) indices.push_back(px ? lookup.at(pack(toRgb8(*px))) : kTransparent);
        out.frames.push_back(std::move(indices));
    }
    return out;
}

struct Rect {
    int left, top, width, height;
};

// The smallest rectangle holding every pixel that differs from what is already on screen.
// A frame that changes nothing still needs one pixel, which it leaves transparent.
Rect changedArea(const std::vector<GifPixelType>& shown, const std::vector<GifPixelType>& next, int width, int height) {
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto i = static_cast<std::size_t>(y * width + x);
            if (shown[i] == next[i]) continue;
            // Frames are left in place, so nothing painted can turn transparent again.
            if (next[i] == kTransparent) throw std::runtime_error("a later frame uncovers a painted pixel");
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    if (right < 0) return {0, 0, 1, 1};
    return {left, top, right - left + 1, bottom - top + 1};
}

class GifWriter {
public:
    explicit GifWriter(const std::string& path) : path_(path) {
        int error = 0;
        gif_ = EGifOpenFileName(path.c_str(), false, &error);
        if (!gif_) throw std::runtime_error(path + ": " + GifErrorString(error));
        EGifSetGifVersion(gif_, true);
    }
    ~GifWriter() {
        if (gif_) EGifCloseFile(gif_, nullptr);
    }
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    void check(int result) {
        if (result != GIF_OK) throw std::runtime_error(path_ + ": " + GifErrorString(gif_->Error));
    }
    GifFileType* get() { return gif_; }

    void close() {
        int error = 0;
        GifFileType* gif = std::exchange(gif_, nullptr);
        if (EGifCloseFile(gif, &error) != GIF_OK) throw std::runtime_error(path_ + ": " + GifErrorString(error));
    }

private:
    std::string path_;
    GifFileType* gif_ = nullptr;
};

}  // namespace

void writeGif(const std::string& path, const std::vector<GifFrame>& frames, bool loop) {
    if (frames.empty()) throw std::runtime_error(path + ": no frames");
    const int width = frames.front().picture.width;
    const int height = frames.front().picture.height;
    for (const GifFrame& f : frames)
        if (f.picture.width != width || f.picture.height != height ||
            f.picture.pixels.size() != static_cast<std::size_t>(width * height))
            throw std::runtime_error(path + ": frames differ in size");
    Indexed indexed = indexFrames(frames);

    // GIF colour tables come in powers of two.
    int tableSize = 2;
    while (tableSize < static_cast<int>(indexed.colours.size())) tableSize *= 2;
    indexed.colours.resize(static_cast<std::size_t>(tableSize), GifColorType{0, 0, 0});

    GifWriter writer(path);
    ColorMapObject* map = GifMakeMapObject(tableSize, indexed.colours.data());
    if (!map) throw std::runtime_error(path + ": cannot build the colour table");
    int screen = EGifPutScreenDesc(writer.get(), width, height, 8, kTransparent, map);
    GifFreeMapObject(map);
    writer.check(screen);

    if (loop && frames.size() > 1) {
        static const GifByteType kApplication[] = "NETSCAPE2.0";
        static const GifByteType kForever[] = {1, 0, 0};  // sub-block 1: loop count 0, i.e. forever
        writer.check(EGifPutExtensionLeader(writer.get(), APPLICATION_EXT_FUNC_CODE));
        writer.check(EGifPutExtensionBlock(writer.get(), 11, kApplication));
        writer.check(EGifPutExtensionBlock(writer.get(), 3, kForever));
        writer.check(EGifPutExtensionTrailer(writer.get()));
    }

    std::vector<GifPixelType> shown(static_cast<std::size_t>(width * height), kTransparent);
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const std::vector<GifPixelType>& next = indexed.frames[f];
        Rect area = f == 0 ? Rect{0, 0, width, height} : changedArea(shown, next, width, height);

        GraphicsControlBlock control{DISPOSE_DO_NOT, false, frames[f].delayCs, kTransparent};
        GifByteType extension[4];
        auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
        writer.check(EGifPutExtension(writer.get(), GRAPHICS_EXT_FUNC_CODE, length, extension));
        writer.check(EGifPutImageDesc(writer.get(), area.left, area.top, area.width, area.height, false, nullptr));

        std::vector<GifPixelType> row(static_cast<std::size_t>(area.width));
        for (int y = area.top; y < area.top + area.height; ++y) {
            for (int x = 0; x < area.width; ++x) {
                auto i = static_cast<std::size_t>(y * width + area.left + x);
                row[static_cast<std::size_t>(x)] = f > 0 && shown[i] == next[i] ? kTransparent : next[i];
            }
            writer.check(EGifPutLine(writer.get(), row.data(), area.width));
        }
        shown = next;
    }
    writer.close();
    // giflib creates its files readable by their owner only; these are shared assets.
    using std::filesystem::perms;
    std::filesystem::permissions(path, perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
}
