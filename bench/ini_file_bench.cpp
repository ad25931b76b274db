// How long the INI engine takes over a full macro store and over the largest hostile file it
// accepts, and how much memory the latter costs. Prints its figures; not a test.
#include <cstdio>
#include <ctime>
#include <string>

#include "common/ini_file.h"
#include "macro_store_text.h"

#ifdef __linux__
#include <sys/resource.h>
#endif

namespace {

using corvanti::bench::FullMacroStore;
using corvanti::bench::MillisecondsPerRun;

template <typename Work>
void PrintWallAndProcessor(const char* what, Work work) {
    const std::clock_t processor_start = std::clock();
    const double wall = MillisecondsPerRun(1, work);
    const double processor =
        1000.0 * static_cast<double>(std::clock() - processor_start) / CLOCKS_PER_SEC;
    std::printf("  %s             %8.3f ms (processor time %.3f ms)\n", what, wall, processor);
}

void PrintPeakMemory() {
#ifdef __linux__
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
#endif
}

}  // namespace

int main() {
    const std::string store = FullMacroStore("Caps Lock   Dn", "50 ms");
    const corvanti::IniFile parsed = corvanti::IniFile::Parse(store);
    std::printf("full macro store: %zu bytes\n", store.size());
    std::printf("  parse:                 %8.3f ms\n",
                MillisecondsPerRun(50, [&] { (void)corvanti::IniFile::Parse(store); }));
    std::printf("  read every item:       %8.3f ms\n", MillisecondsPerRun(20, [&] {
                    for (const std::string& name : parsed.SectionNames()) {
                        for (int item = 0; item < 126; ++item) {
                            (void)parsed.Get(name, "Item" + std::to_string(item));
                        }
                    }
                }));
    std::printf("  replace one macro:     %8.3f ms\n", MillisecondsPerRun(50, [&] {
                    corvanti::IniFile copy = parsed;
                    copy.ReplaceSection("Macro 5", {{"ItemCount", "1"}, {"Item0", "A   Dn"}});
                }));
    std::printf("  serialize:             %8.3f ms\n",
                MillisecondsPerRun(50, [&] { (void)parsed.Serialize(); }));

    const std::string breaks(static_cast<std::size_t>(corvanti::IniFile::kMaxFileSize), '\n');
    std::printf("largest accepted file of nothing but line breaks: %zu bytes\n", breaks.size());
    corvanti::IniFile hostile;
    // Processor time beside the wall time: on a busy machine the wall time mostly measures the
    // other processes.
    PrintWallAndProcessor("parse:    ", [&] { hostile = corvanti::IniFile::Parse(breaks); });
    PrintWallAndProcessor("set a key:", [&] { hostile.Set("Skins", "Path", "Default"); });
    PrintPeakMemory();
    std::printf("(figures of a sanitizer build are several times those of a release build)\n");
    return 0;
}
