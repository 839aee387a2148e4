#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "settings/IniDocument.h"

namespace velmora {

// A write that could not reach the settings file; what() is the text the user sees.
class SettingsWriteError : public std::runtime_error {
public:
    explicit SettingsWriteError(const std::string& fileName) : std::runtime_error("Unable to write to " + fileName) {}
};

// An INI file opened by its full path: read once when opened, and written through on every
// write, so whatever was written before a failure is already in the file. The file is
// replaced in one rename and keeps its permissions, so a failed write leaves it as it was.
// A missing or unreadable file, one that is not a regular file, and one past 1 MiB read as
// empty; the first write creates (or replaces) it.
class IniStore {
public:
    explicit IniStore(std::string fileName);

    std::string readString(std::string_view section, std::string_view key, const std::string& fallback) const;
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
    bool readBoolean(std::string_view section, std::string_view key, bool fallback) const;

    // Each raises SettingsWriteError when the file cannot be written; the change stays in
    // memory, so later reads see it and release() tries the write again.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBoolean(std::string_view section, std::string_view key, bool value);

    // Completes a write that failed before; raises SettingsWriteError when it fails again.
    void release();

private:
    void writeThrough();

    std::string fileName_;
    IniDocument document_;
    bool pending_ = false;  // the file lacks a change made in memory
};

}  // namespace velmora
