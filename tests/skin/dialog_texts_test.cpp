#include "skin/dialog_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace corvanti {
namespace {

constexpr std::string_view kHeiTi = "\xE9\xBB\x91\xE4\xBD\x93";   // 黑体
constexpr std::string_view kSongTi = "\xE5\xAE\x8B\xE4\xBD\x93";  // 宋体

TEST(DialogFontForTest, FollowsLanguageAndReportedVersion) {
    struct Case {
        std::string_view language;
        std::uint32_t version;
        DialogFontChoice font;
    };
    const Case cases[] = {
        {"CHS", 0x0206, {kHeiTi, 13}},      // 6.2: major low byte, minor next
        {"CHS", 0x0106, {kSongTi, 13}},     // 6.1
        {"CHS", 0x0602, {kSongTi, 13}},     // bytes swapped is 2.6, not 6.2
        {"CHS", 0x23F00206, {kHeiTi, 13}},  // build number bits above are ignored
        {"CHT", 0x0106, {kHeiTi, 13}},     {"EN", 0x0206, {"Arial", 14}},
        {"", 0x0206, {"Arial", 14}},       {"chs", 0x0206, {"Arial", 14}},  // codes are exact
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialogFontFor(LanguageFromCode(c.language), c.version), c.font)
            << "'" << c.language << "' " << c.version;
    }
}

TEST(OkCancelTextsForTest, ChoosesTheLanguagesTexts) {
    EXPECT_EQ(OkCancelTextsFor(LanguageFromCode("CHS")),
              (OkCancelTexts{"\xE7\xA1\xAE\xE5\xAE\x9A", "\xE5\x8F\x96\xE6\xB6\x88"}));
    EXPECT_EQ(OkCancelTextsFor(LanguageFromCode("CHT")),
              (OkCancelTexts{"\xE7\xA2\xBA\xE5\xAE\x9A", "\xE5\x8F\x96\xE6\xB6\x88"}));
    EXPECT_EQ(OkCancelTextsFor(LanguageFromCode("EN")), (OkCancelTexts{"OK", "Cancel"}));
    EXPECT_EQ(OkCancelTextsFor(LanguageFromCode("")), (OkCancelTexts{"OK", "Cancel"}));
}

}  // namespace
}  // namespace corvanti
