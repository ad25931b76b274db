#include "app/language_texts.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(LanguageTexts, OnlyTheExactCodesSelectChinese) {
    const struct {
        std::string_view code;
        Language expected;
    } cases[] = {
        {"CHS", Language::SimplifiedChinese},
        {"CHT", Language::TraditionalChinese},
        {"chs", Language::English},
        {"CHS ", Language::English},
        {" CHT", Language::English},
        {std::string_view("CHS\0", 4), Language::English},
        {"CH", Language::English},
        {"EN", Language::English},
        {"", Language::English},
    };
    for (const auto& [code, expected] : cases) {
        EXPECT_EQ(LanguageFromCode(code), expected) << "'" << code << "'";
    }
}

TEST(LanguageTexts, EachLanguageHasItsOwnColumn) {
    const struct {
        TextRole role;
        std::string_view chs, cht, en;
    } cases[] = {
        {TextRole::LightingSpeed, "速度:请调整灯光显示速度", "速度", "Speed"},
        {TextRole::LightingBrightness, "亮度:请调整灯光显示亮度", "亮度", "Brightness"},
        {TextRole::BalloonDpiStage1, "DPI切换到第一段", "DPI切換到第一段",
         "Switch DPI into the first stage "},
        {TextRole::BalloonDpiStage4, "DPI切换到第四段", "DPI切換到第四段",
         "Switch DPI into the fourth stage "},
        {TextRole::RecordOptionTick, "只录制键盘事件", "只錄製鍵盤事件", "Record Mouse Event"},
        {TextRole::TrayMenuExit, "退出", "退出", "Exit"},
        {TextRole::Delete, "删除", "刪除", "Delete"},
        {TextRole::FunctionCombinationKey, "组合键", "複合鍵", "Combo Key"},
        {TextRole::StopWithoutRecording, "没有开始录制,点击停止录制按钮没有意义！",
         "沒有開始錄製，點擊停止錄製按鈕沒有意義！",
         "It doesn’t start recording, unnecessary to press Stop key!"},
        {TextRole::SettingsSectionName, "Setting-CHS", "Setting-CHT", "Setting-EN"},
    };
    for (const auto& [role, chs, cht, en] : cases) {
        EXPECT_EQ(LanguageText(Language::SimplifiedChinese, role), chs);
        EXPECT_EQ(LanguageText(Language::TraditionalChinese, role), cht);
        EXPECT_EQ(LanguageText(Language::English, role), en);
    }
}

TEST(LanguageTexts, EveryRoleHasATextInEveryLanguage) {
    for (const Language language :
         {Language::SimplifiedChinese, Language::TraditionalChinese, Language::English}) {
        const LanguageTexts texts(language);
        for (std::size_t i = 0; i < kTextRoleCount; ++i) {
            EXPECT_FALSE(texts.Text(static_cast<TextRole>(i)).empty()) << i;
        }
        EXPECT_EQ(texts.Text(TextRole::BasicPageTitle),
                  LanguageText(language, TextRole::BasicPageTitle));
    }
    // The web address is ours and the same in every language.
    const std::string_view address = LanguageText(Language::English, TextRole::WebAddress);
    EXPECT_EQ(address.substr(0, 8), "https://");
    EXPECT_EQ(address, kWebAddress) << "the link opens the address it shows";
    EXPECT_EQ(LanguageText(Language::SimplifiedChinese, TextRole::WebAddress), address);
    EXPECT_EQ(LanguageText(Language::TraditionalChinese, TextRole::WebAddress), address);
    EXPECT_TRUE(
        LanguageTexts(Language::English).Text(static_cast<TextRole>(kTextRoleCount)).empty());
}

}  // namespace
}  // namespace corvanti
