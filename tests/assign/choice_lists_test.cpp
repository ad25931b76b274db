#include "assign/choice_lists.h"

#include <gtest/gtest.h>

#include "profile/key_name_table.h"
#include "profile/parameter_lists.h"

namespace corvanti {
namespace {

constexpr Language kLanguages[] = {Language::SimplifiedChinese, Language::TraditionalChinese,
                                   Language::English};

TEST(ChoiceListsTest, ListsHoldTheirEntriesInEveryLanguage) {
    struct Case {
        std::vector<std::string> (*entries)(Language);
        Language language;
        std::size_t index;
        std::string text;
    };
    const Case cases[] = {
        {MultimediaEntries, Language::English, 0, "Next"},
        {MultimediaEntries, Language::English, 4, "Mute"},
        {MultimediaEntries, Language::SimplifiedChinese, 3, "播放/暂停"},
        {MultimediaEntries, Language::TraditionalChinese, 3, "播放/暫停"},
        {MultimediaEntries, Language::TraditionalChinese, 6, "音量-"},
        {WindowsFunctionEntries, Language::English, 0, "Multimedia Player"},
        {WindowsFunctionEntries, Language::English, 6, "Browser-Back"},
        {WindowsFunctionEntries, Language::SimplifiedChinese, 0, "打开多媒体播放器"},
        {WindowsFunctionEntries, Language::SimplifiedChinese, 10, "浏览器-收藏夹"},
        {WindowsFunctionEntries, Language::TraditionalChinese, 10, "瀏覽器-我的最愛"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> entries = c.entries(c.language);
        ASSERT_LT(c.index, entries.size()) << c.text;
        EXPECT_EQ(entries[c.index], c.text);
    }
    for (Language language : kLanguages) {
        EXPECT_EQ(MultimediaEntries(language).size(), kMultimediaCount);
        EXPECT_EQ(WindowsFunctionEntries(language).size(), kWindowsFunctionCount);
    }
}

// A list position is what the dialog returns and what the assignment turns into a code, so
// the shown lists must run in the order of the code tables.
TEST(ChoiceListsTest, EnglishEntriesRunInTheOrderOfTheCodeTables) {
    const std::vector<std::string> multimedia = MultimediaEntries(Language::English);
    for (std::size_t i = 0; i < kMultimediaCount; ++i) {
        EXPECT_EQ(multimedia[i], MultimediaList()[i].name) << i;
    }
    const std::vector<std::string> functions = WindowsFunctionEntries(Language::English);
    for (std::size_t i = 0; i < kWindowsFunctionCount; ++i) {
        EXPECT_EQ(functions[i], WindowsFunctionList()[i].name) << i;
    }
}

TEST(ChoiceListsTest, FireKeysAndModifiersAreTheSameInEveryLanguageAndTurnIntoCodes) {
    const std::vector<std::string> fire_keys = FireKeyEntries();
    ASSERT_EQ(fire_keys.size(), 61u);
    EXPECT_EQ(fire_keys[0], "A");
    EXPECT_EQ(fire_keys[35], "0");
    EXPECT_EQ(fire_keys[39], "R-CTRL");
    EXPECT_EQ(fire_keys[54], "L-Button");
    EXPECT_EQ(fire_keys[60], "R-Tilt Wheel");

    const std::vector<std::string> modifiers = ModifierEntries();
    EXPECT_EQ(modifiers,
              (std::vector<std::string>{"Left Ctrl", "Left Shift", "Left Alt", "Left Win",
                                        "Right Ctrl", "Right Shift", "Right Alt", "Right Win"}));
    for (const std::string& modifier : modifiers) {
        EXPECT_NE(ModifierMaskOfName(modifier), 0) << modifier;
    }
}

}  // namespace
}  // namespace corvanti
