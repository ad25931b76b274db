// Feeds arbitrary bytes to the INI parser: it must never crash, hang or read out of bounds, it
// must give back every byte it read, and a value written must read back after a save.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini_file.h"
#include "fuzz_require.h"

using corvanti::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    corvanti::IniFile file = corvanti::IniFile::Parse(bytes);
    if (!bytes.empty()) {
        Require(file.Serialize() == bytes);
    }
    for (const std::string& section : file.SectionNames()) {
        for (const auto& [key, value] : file.SectionKeys(section)) {
            Require(file.Get(section, key) == value);
        }
    }
    const std::vector<std::string> names = file.SectionNames();
    if (!names.empty()) {
        file.ReplaceSection(names.front(), {{"ItemCount", "1"}, {"Item0", "A   Dn"}});
    }
    file.Set("Fuzz", "Key", "value");
    const corvanti::IniFile reread = corvanti::IniFile::Parse(file.Serialize());
    Require(reread.Get("fuzz", "key") == "value");
    if (!names.empty()) {
        Require(reread.Get(names.front(), "Item0") == "A   Dn");
        file.DeleteSection(names.front());
        Require(file.Get(names.front(), "Item0").empty());
    }
    return 0;
}
