#include "png_write.h"

#include "byte_file.h"

#include <algorithm>
#include <array>

namespace {

std::uint32_t crc32(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (std::size_t i = from; i < bytes.size(); ++i) c = table[(c ^ bytes[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

std::uint32_t adler32(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t v : bytes) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

// A chunk: length, type, data, and the CRC over type and data.
void chunk(Bytes& out, const char* type, const std::vector<std::uint8_t>& data) {
    out.be32(static_cast<std::uint32_t>(data.size()));
    Bytes body;
    body.text(type);
    body.append(data);
    out.append(body.data());
    out.be32(crc32(body.data(), 0));
}

// A zlib stream of stored deflate blocks, each holding at most 65535 bytes.
std::vector<std::uint8_t> storedZlib(const std::vector<std::uint8_t>& raw) {
    Bytes z;
    z.byte(0x78), z.byte(0x01);  // deflate, 32K window, no preset dictionary; 0x7801 % 31 == 0
    std::size_t at = 0;
    do {
        std::size_t n = std::min<std::size_t>(raw.size() - at, 65535);
        bool last = at + n == raw.size();
        z.byte(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
        z.le16(static_cast<std::uint32_t>(n));
        z.le16(static_cast<std::uint32_t>(~n & 0xffff));
        z.append({raw.begin() + static_cast<std::ptrdiff_t>(at), raw.begin() + static_cast<std::ptrdiff_t>(at + n)});
        at += n;
    } while (at < raw.size());
    z.be32(adler32(raw));
    return z.data();
}

}  // namespace

void writePng(const std::string& path, const Raster& raster) {
    Bytes header;
    header.be32(static_cast<std::uint32_t>(raster.width));
    header.be32(static_cast<std::uint32_t>(raster.height));
    header.byte(8);                                  // bits per channel
    header.byte(6);                                  // colour with alpha
    header.byte(0), header.byte(0), header.byte(0);  // deflate, adaptive filters, not interlaced

    std::vector<std::uint8_t> raw;
    for (int y = 0; y < raster.height; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < raster.width; ++x) {
            const Pixel8& p = raster.at(x, y);
            raw.insert(raw.end(), {p.r, p.g, p.b, p.a});
        }
    }

    Bytes out;
    out.append({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'});
    chunk(out, "IHDR", header.data());
    chunk(out, "IDAT", storedZlib(raw));
    chunk(out, "IEND", {});
    out.save(path);
}
