// How long rebuilding the twelve macro blocks takes after a save: over a full macro store, and
// over the largest hostile record.ini the INI engine accepts (twelve sections that claim
// 2147483647 items among thousands of stray keys). Prints its figures; not a test.
#include <cstdio>
#include <string>

#include "common/ini_file.h"
#include "macro/macro_encoder.h"
#include "macro_store_text.h"
#include "profile/profile_record.h"

namespace {

using corvanti::bench::MillisecondsPerRun;

std::string HostileMacroStore() {
    std::string text;
    const std::size_t section_budget = corvanti::IniFile::kMaxFileSize / 12;
    for (int macro = 0; macro < 12; ++macro) {
        const std::size_t start = text.size();
        text += "[M" + std::to_string(macro) + "]\nItemCount=2147483647\n";
        for (int key = 0; text.size() - start + 32 < section_budget; ++key) {
            text += "Stray" + std::to_string(key) + "=A   Dn\n";
        }
    }
    return text;
}

void Measure(const char* title, const std::string& text, int runs) {
    const corvanti::IniFile file = corvanti::IniFile::Parse(text);
    corvanti::ProfileRecord record;
    std::printf("%s: %zu bytes\n", title, text.size());
    std::printf("  encode all blocks:     %8.3f ms\n",
                MillisecondsPerRun(runs, [&] { corvanti::EncodeMacroBlocks(file, record); }));
}

}  // namespace

int main() {
    Measure("full macro store", corvanti::bench::FullMacroStore("Caps Lock   Dn", "1271 ms"), 50);
    Measure("hostile macro store", HostileMacroStore(), 3);
    std::printf("(figures of a sanitizer build are several times those of a release build)\n");
    return 0;
}
