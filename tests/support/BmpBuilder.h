#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/BmpImage.h"

namespace velmora::test {

using Bytes = std::vector<std::uint8_t>;

enum class HeaderForm { Core, Info, V4, V5 };

// Describes a BMP file to build byte by byte, so tests control every header field.
struct BmpRecipe {
    std::int32_t width = 32;
    std::int32_t rows = 32;
    bool topDown = false;
    std::uint16_t bitsPerPixel = 24;
    HeaderForm header = HeaderForm::Info;
    std::uint32_t compression = 0;                // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    std::vector<std::uint32_t> colorTable{};      // 0x00RRGGBB entries; empty: a grey ramp for <= 8 bits
    std::optional<ChannelMasks> masks{};          // written when compression is 3
    std::optional<Bytes> pixelData{};             // rows in file order (or RLE data); default: a pattern
    std::uint16_t planes = 1;
};

Bytes buildBmp(const BmpRecipe& recipe);

// The colour table buildBmp writes when a BmpRecipe gives none.
std::vector<std::uint32_t> greyRamp(unsigned bitsPerPixel);

void writeFile(const std::string& path, const Bytes& bytes);
Bytes readFile(const std::string& path);
// The names of the entries of a folder.
std::set<std::string> namesIn(const std::string& folder);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return root_ + "/" + name; }

private:
    std::string root_;
};

}  // namespace velmora::test
