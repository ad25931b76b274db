// How long the profile's text form takes: export and import of the factory profile and of a
// profile whose twelve macros are full, and the import of the largest texts the tool reads
// (1 MiB): a valid profile padded with comments, one string that long, and brackets nested as
// deep as that. Prints its figures; not a test.
#include <cstdio>
#include <optional>
#include <string>

#include "macro/macro_block_decoder.h"
#include "macro/macro_encoder.h"
#include "macro_store_text.h"
#include "profile/factory_profile.h"
#include "profile_text/profile_text_export.h"
#include "profile_text/profile_text_import.h"

namespace {

using corvanti::bench::MillisecondsPerRun;

constexpr std::size_t kLargestText = 1 << 20;  // what corvanti-ctl reads at most

corvanti::ProfileFileContent FullMacros() {
    corvanti::ProfileFileContent content{1, corvanti::FactoryProfile()};
    std::vector<corvanti::MacroKeyEvent> events;
    for (int i = 0; i < 63; ++i) {
        events.push_back({i % 2 == 1, "Caps Lock", 1270});
    }
    const corvanti::EncodedMacroEvents encoded =
        corvanti::EncodeMacroEvents(corvanti::MacroItemsOf(events));
    for (std::size_t block = 0; block < corvanti::kMacroBlockCount; ++block) {
        auto bytes = content.record.macro_block(block);
        bytes[1] = 1;
        std::copy(encoded.bytes.begin(), encoded.bytes.end(), bytes.begin() + 2);
    }
    return content;
}

void MeasureProfile(const char* title, const corvanti::ProfileFileContent& content, int runs) {
    const std::string text = corvanti::ExportProfileText(content, std::nullopt);
    std::printf("%s: %zu bytes of text\n", title, text.size());
    std::printf("  export:  %8.3f ms\n", MillisecondsPerRun(runs, [&] {
                    corvanti::ExportProfileText(content, std::nullopt);
                }));
    std::printf("  import:  %8.3f ms\n",
                MillisecondsPerRun(runs, [&] { corvanti::ImportProfileText(text); }));
}

void MeasureImport(const char* title, const std::string& text, int runs) {
    const bool accepted = corvanti::ImportProfileText(text).content.has_value();
    std::printf("%s: %zu bytes, %s\n", title, text.size(), accepted ? "accepted" : "refused");
    std::printf("  import:  %8.3f ms\n",
                MillisecondsPerRun(runs, [&] { corvanti::ImportProfileText(text); }));
}

std::string PaddedWithComments(std::string text) {
    while (text.size() + 80 < kLargestText) {
        text += "# " + std::string(76, 'x') + "\n";
    }
    return text;
}

}  // namespace

int main() {
    const corvanti::ProfileFileContent factory{1, corvanti::FactoryProfile()};
    MeasureProfile("factory profile", factory, 50);
    MeasureProfile("twelve full macros", FullMacros(), 20);
    MeasureImport("profile padded with comments",
                  PaddedWithComments(corvanti::ExportProfileText(factory, std::nullopt)), 3);
    MeasureImport("one long string",
                  "[raw]\n0x0000 = \"" + std::string(kLargestText - 20, 'a') + "\"\n", 3);
    MeasureImport(
        "nested brackets",
        "a = " + std::string(kLargestText / 2, '[') + std::string(kLargestText / 2 - 8, ']') + "\n",
        3);
    std::printf("(figures of a sanitizer build are several times those of a release build)\n");
    return 0;
}
