#include "support/BmpBuilder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace velmora::test {

namespace {

void put(Bytes& out, std::uint32_t v, int count) {
    for (int i = 0; i < count; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t headerSize(HeaderForm form) {
    switch (form) {
    case HeaderForm::Core: return 12;
    case HeaderForm::Info: return 40;
    case HeaderForm::V4: return 108;
    case HeaderForm::V5: return 124;
    }
    return 40;
}

Bytes patternRows(const BmpRecipe& recipe) {
    const std::size_t stride = BmpImage::strideFor(recipe.width, recipe.bitsPerPixel);
    Bytes rows(stride * static_cast<std::size_t>(recipe.rows));
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<std::uint8_t>((i * 37 + i / stride) & 0xFF);
    return rows;
}

}  // namespace

std::vector<std::uint32_t> greyRamp(unsigned bitsPerPixel) {
    const unsigned count = 1u << bitsPerPixel;
    std::vector<std::uint32_t> table(count);
    for (unsigned i = 0; i < count; ++i) {
        const std::uint32_t g = count == 1 ? 0 : i * 255 / (count - 1);
        table[i] = g | (g << 8) | (g << 16);
    }
    return table;
}

Bytes buildBmp(const BmpRecipe& recipe) {
    const bool core = recipe.header == HeaderForm::Core;
    const std::uint32_t hsize = headerSize(recipe.header);
    std::vector<std::uint32_t> table = recipe.colorTable;
    if (table.empty() && recipe.bitsPerPixel <= 8) table = greyRamp(recipe.bitsPerPixel);
    const bool masksAfterHeader = recipe.compression == 3 && recipe.header == HeaderForm::Info;
    const Bytes pixels = recipe.pixelData ? *recipe.pixelData : patternRows(recipe);
    const std::uint32_t offset =
        14 + hsize + (masksAfterHeader ? 12 : 0) + static_cast<std::uint32_t>(table.size() * (core ? 3 : 4));

    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put(out, offset + static_cast<std::uint32_t>(pixels.size()), 4);
    put(out, 0, 4);
    put(out, offset, 4);
    put(out, hsize, 4);
    if (core) {
        put(out, static_cast<std::uint32_t>(recipe.width), 2);
        put(out, static_cast<std::uint32_t>(recipe.rows), 2);
        put(out, recipe.planes, 2);
        put(out, recipe.bitsPerPixel, 2);
    } else {
        put(out, static_cast<std::uint32_t>(recipe.width), 4);
        put(out, static_cast<std::uint32_t>(recipe.topDown ? -recipe.rows : recipe.rows), 4);
        put(out, recipe.planes, 2);
        put(out, recipe.bitsPerPixel, 2);
        put(out, recipe.compression, 4);
        put(out, static_cast<std::uint32_t>(pixels.size()), 4);
        put(out, 2835, 4);
        put(out, 2835, 4);
        put(out, recipe.bitsPerPixel <= 8 ? static_cast<std::uint32_t>(table.size()) : 0, 4);
        put(out, 0, 4);
        if (recipe.header != HeaderForm::Info) {
            const ChannelMasks m = recipe.masks.value_or(ChannelMasks{});
            put(out, m.red, 4);
            put(out, m.green, 4);
            put(out, m.blue, 4);
            out.resize(14 + hsize, 0);  // alpha mask, colour space and the rest stay zero
        }
    }
    if (masksAfterHeader) {
        const ChannelMasks m = recipe.masks.value_or(ChannelMasks{});
        put(out, m.red, 4);
        put(out, m.green, 4);
        put(out, m.blue, 4);
    }
    for (std::uint32_t entry : table) put(out, entry, core ? 3 : 4);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    root_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

}  // namespace velmora::test
