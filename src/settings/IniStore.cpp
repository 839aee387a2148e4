#include "settings/IniStore.h"

#include <span>
#include <utility>

#include "engine/EngineError.h"
#include "engine/FileIo.h"

namespace velmora {

namespace {

// Far above any settings file or language pack: a larger file reads as empty, like a missing one.
constexpr std::uint64_t kLongestIniFile = std::uint64_t{1} << 20;

std::string readTextOrNothing(const std::string& fileName) {
    try {
        const ByteBuffer bytes = readWholeFile(fileName, kLongestIniFile);
        return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    } catch (const EngineError&) {
        return {};  // read as empty: every key gives its default
    }
}

}  // namespace

IniStore::IniStore(std::string fileName) : fileName_(std::move(fileName)), document_(readTextOrNothing(fileName_)) {}

std::string IniStore::readString(std::string_view section, std::string_view key, const std::string& fallback) const {
    return document_.readString(section, key, fallback);
}

std::int32_t IniStore::readInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
    return document_.readInteger(section, key, fallback);
}

bool IniStore::readBoolean(std::string_view section, std::string_view key, bool fallback) const {
    return document_.readBoolean(section, key, fallback);
}

void IniStore::writeString(std::string_view section, std::string_view key, std::string_view value) {
    document_.writeString(section, key, value);
    writeThrough();
}

void IniStore::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    document_.writeInteger(section, key, value);
    writeThrough();
}

void IniStore::writeBoolean(std::string_view section, std::string_view key, bool value) {
    document_.writeBoolean(section, key, value);
    writeThrough();
}

void IniStore::release() {
    if (pending_) writeThrough();
}

void IniStore::writeThrough() {
    pending_ = true;
    const std::string text = document_.text();
    try {
        writeFileAtomically(fileName_, [&](OutputFile& file) {
            file.write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        });
    } catch (const EngineError&) {
        throw SettingsWriteError(fileName_);
    }
    pending_ = false;
}

}  // namespace velmora
