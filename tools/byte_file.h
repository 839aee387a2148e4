// A growing block of bytes with the integer layouts the file formats need, saved in one go.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Bytes {
public:
    void byte(std::uint8_t v) { data_.push_back(v); }
    void le16(std::uint32_t v);
    void le32(std::uint32_t v);
    void be32(std::uint32_t v);
    void text(const std::string& s) {
        for (char c : s) byte(static_cast<std::uint8_t>(c));
    }
    void append(const std::vector<std::uint8_t>& more) { data_.insert(data_.end(), more.begin(), more.end()); }

    const std::vector<std::uint8_t>& data() const { return data_; }
    // Writes the whole block as the file's new content; throws std::runtime_error on failure.
    void save(const std::string& path) const;

private:
    std::vector<std::uint8_t> data_;
};
