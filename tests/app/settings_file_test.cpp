#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/ini_file.h"
#include "common/text_encoding.h"
#include "support/scratch_folder.h"

namespace corvanti {
namespace {

namespace fs = std::filesystem;

class SettingsFile : public ::testing::Test {
  protected:
    void WriteText(std::string_view utf8) {
        const std::u16string utf16 = u"\uFEFF" + Utf8ToUtf16(utf8);
        std::ofstream out(path_, std::ios::binary);
        for (const char16_t unit : utf16) {
            out.put(static_cast<char>(unit & 0xFF)).put(static_cast<char>(unit >> 8));
        }
    }

    testing::ScratchFolder folder_;
    fs::path path_ = folder_ / "str.ini";
};

TEST(SettingsFileKeys, CaptionKeysFollowTheButtonAndKeyMode) {
    const struct {
        std::size_t index;
        std::string_view key;
    } cases[] = {{0, "Item1"},   {9, "Item10"},   {11, "Item12"},  {12, "Item13"},
                 {13, "Item23"}, {21, "Item103"}, {23, "Item123"}, {24, ""}};
    for (const auto& [index, key] : cases) {
        EXPECT_EQ(CaptionKey(index), key) << index;
    }
}

TEST_F(SettingsFile, ReadsCaptionsOfTheLanguageSectionAndTheSkinKeys) {
    WriteText(
        "[Skins]\r\nLan=CHS\r\nRColor=300\r\nGColor=-1\r\nPath=Blue Steel\r\n"
        "[Setting-CHS]\r\nItem1=左键\r\nItem12=按键关闭\r\nItem13=右键\r\nitem123=宏\r\n"
        "[Setting-EN]\r\nItem1=Left Click\r\n");
    EXPECT_EQ(ReadLanguageCode(path_), "CHS");
    const SettingsFileContent content = ReadSettings(path_, "Setting-CHS");
    EXPECT_EQ(content.captions[0], "左键");
    EXPECT_EQ(content.captions[11], "按键关闭");
    EXPECT_EQ(content.captions[12], "右键");
    EXPECT_EQ(content.captions[23], "宏");
    EXPECT_EQ(content.captions[1], "");
    EXPECT_EQ(content.skin.path, "Blue Steel");
    EXPECT_EQ(TextColorFromSettings(content.skin), (Rgb{44, 255, 0}));

    // A language whose section is missing shows empty captions.
    const SettingsFileContent other = ReadSettings(path_, "Setting-CHT");
    EXPECT_EQ(other.captions, ButtonCaptions{});
    EXPECT_EQ(ReadSettings(folder_ / "missing.ini", "Setting-EN").skin.red, "");
}

TEST_F(SettingsFile, WritesKeepEverythingElseAndNeverTheLanguageCode) {
    WriteText("; hand-made\r\n[Skins]\r\nLan=CHT\r\n[Other]\r\nkept=yes\r\n");
    ButtonCaptions captions;
    captions[7] = "Fire Key-L-Button";
    captions[20] = "複合鍵";
    ASSERT_FALSE(WriteCaptions(path_, "Setting-CHT", captions));
    ASSERT_FALSE(WriteSkinSettings(path_, {0, 7, 255}, "Default"));

    const IniFile file = IniFile::Load(path_);
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"Skins", "Other", "Setting-CHT"}));
    EXPECT_EQ(file.SectionKeys("Skins"), (IniFile::KeyValues{{"Lan", "CHT"},
                                                             {"RColor", "0"},
                                                             {"GColor", "7"},
                                                             {"BColor", "255"},
                                                             {"Path", "Default"}}));
    EXPECT_EQ(file.Get("Other", "kept"), "yes");
    EXPECT_EQ(ReadSettings(path_, "setting-cht").captions, captions);
    const IniFile::KeyValues keys = file.SectionKeys("Setting-CHT");
    ASSERT_EQ(keys.size(), kCaptionCount);
    EXPECT_EQ(keys[12].first, "Item13");

    // A new file holds no language code either.
    const fs::path fresh = folder_ / "fresh.ini";
    ASSERT_FALSE(WriteSkinSettings(fresh, {1, 2, 3}, "x"));
    EXPECT_EQ(IniFile::Load(fresh).SectionKeys("Skins").size(), 4u);
    EXPECT_EQ(ReadLanguageCode(fresh), "");
}

TEST_F(SettingsFile, AnUnreadableFileIsLeftAlone) {
    fs::create_directory(path_);
    EXPECT_TRUE(WriteCaptions(path_, "Setting-EN", ButtonCaptions{}));
    EXPECT_TRUE(WriteSkinSettings(path_, {}, "Default"));
    EXPECT_TRUE(fs::is_directory(path_));
}

TEST(ColorComponent, KeepsTheLow8BitsOfTheDecimalNumber) {
    const struct {
        std::string_view text;
        int expected;
    } cases[] = {
        {"0", 0},
        {"255", 255},
        {"256", 0},
        {"300", 44},
        {"  12px", 12},
        {"+7", 7},
        {"-1", 255},
        {"-300", 212},
        {"-", 0},
        {"red", 0},
        {"", 0},
        {"1 2", 1},
        {"99999999999999999999", 255},  // 10^20 - 1, far past any integer type
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ColorComponentFromText(text), expected) << "'" << text << "'";
    }
}

TEST(FirstRunCaptions, EachButtonGetsItsDefaultFunctionInBothKeyModes) {
    const ButtonCaptions english = FirstRunCaptions(LanguageTexts(Language::English));
    const std::string_view expected[kCaptionButtonCount] = {
        "Left Click",          "Right Click",     "Mid Click",    "DPI Loop",
        "Multimedia-Previous", "Multimedia-Next", "Triple-click", "Fire Key-L-Button",
        "My Computer",         "RGB On/Off",      "Key Off",      "Key Off"};
    for (std::size_t i = 0; i < kCaptionCount; ++i) {
        EXPECT_EQ(english[i], expected[i % kCaptionButtonCount]) << i;
    }
    const ButtonCaptions chinese = FirstRunCaptions(LanguageTexts(Language::SimplifiedChinese));
    EXPECT_EQ(chinese[0], "左键");
    EXPECT_EQ(chinese[3], "DPI Loop");
    EXPECT_EQ(chinese[19], "火力键-L-Button");
    EXPECT_EQ(FirstRunCaptions(LanguageTexts(Language::TraditionalChinese))[22], "按鍵關閉");
}

}  // namespace
}  // namespace corvanti
