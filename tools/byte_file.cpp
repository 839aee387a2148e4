#include "byte_file.h"

#include <fstream>
#include <stdexcept>

void Bytes::le16(std::uint32_t v) {
    byte(static_cast<std::uint8_t>(v));
    byte(static_cast<std::uint8_t>(v >> 8));
}

void Bytes::le32(std::uint32_t v) {
    le16(v & 0xffff);
    le16(v >> 16);
}

void Bytes::be32(std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) byte(static_cast<std::uint8_t>(v >> shift));
}

void Bytes::save(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
    file.close();
    if (!file) throw std::runtime_error(path + ": cannot write the file");
}
