#include "app/macro_page_texts.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(MacroPageTextsTest, EachMessageTakesItsOwnRowInTheWindowsLanguage) {
    const MacroPageTexts english = MacroPageTextsOf(LanguageTexts(Language::English));
    EXPECT_EQ(english.start_recording, "Start Recording");
    EXPECT_EQ(english.stop_recording, "Stop Recording");
    EXPECT_EQ(english.not_recording,
              "It doesn\u2019t start recording, unnecessary to press Stop key!");
    EXPECT_EQ(english.blank_name, "Macro name is blank");
    EXPECT_EQ(english.name_exists, "Macro name already exists");
    EXPECT_EQ(english.recording_hint, "Press Ctrl+Break key to stop recording");

    const MacroPageTexts traditional =
        MacroPageTextsOf(LanguageTexts(Language::TraditionalChinese));
    EXPECT_EQ(traditional.recording_hint, "按Ctrl+Break可以停止錄製");
}

}  // namespace
}  // namespace corvanti
