// Any bytes as an INI text: parsing keeps every byte, every reader answers, and writes change
// only what they write, so the text written back reads as the same document.
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/IniDocument.h"

#include "FuzzTarget.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    IniDocument document(input);
    if (document.text() != input) __builtin_trap();

    for (const char* section : {"Main", "Velmora", ""}) {
        for (const char* key : {"Lang", "Step", "Minimized", ""}) {
            if (document.readString(section, key, "").size() > IniDocument::kMaxValueLength) __builtin_trap();
            if (document.readBoolean(section, key, true) != (document.readInteger(section, key, 1) != 0)) __builtin_trap();
        }
    }

    const std::string stepBefore = document.readString("Main", "Step", "<none>");
    document.writeString("Main", "Lang", "&Russian");
    document.writeInteger("Main", "k", -2);
    document.writeBoolean("Velmora", "FirstOpen", true);

    const std::string written = document.text();
    const IniDocument reread(written);
    if (reread.text() != written) __builtin_trap();
    if (reread.readString("main", "LANG", "") != "&Russian") __builtin_trap();
    if (reread.readInteger("Main", "k", 0) != -2) __builtin_trap();
    if (!reread.readBoolean("Velmora", "FirstOpen", false)) __builtin_trap();
    if (reread.readString("Main", "Step", "<none>") != stepBefore) __builtin_trap();
    return 0;
}
