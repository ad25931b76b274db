// How long rebuilding the twelve macro blocks takes after a save: over a full macro store, and
// over the largest hostile record.ini the INI engine accepts (twelve sections that claim
// 2147483647 items among thousands of stray keys). Prints its figures; not a test.
#include <chrono>
#include <cstdio>
#include <string>

#include "common/ini_file.h"
#include "macro/macro_encoder.h"
#include "profile/profile_record.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double MillisecondsPerRun(int runs, Work work) {
    const auto start = Clock::now();
    for (int i = 0; i < runs; ++i) {
        work();
    }
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    return elapsed.count() / runs;
}

// Twelve macros of 63 key events, each followed by its delay, as the macro store writes them.
std::string FullMacroStore() {
    std::string text;
    for (int macro = 0; macro < 12; ++macro) {
        text += "[Macro " + std::to_string(macro) + "]\r\nItemCount=126\r\n";
        for (int item = 0; item < 126; ++item) {
            text += "Item" + std::to_string(item) + "=";
            text += (item % 2 == 0) ? "Caps Lock   Dn" : "1271 ms";
            text += "\r\n";
        }
    }
    return text;
}

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
    Measure("full macro store", FullMacroStore(), 50);
    Measure("hostile macro store", HostileMacroStore(), 3);
    std::printf("(figures of a sanitizer build are several times those of a release build)\n");
    return 0;
}
