#include "app/startup_choices.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

constexpr const char* kHei = "\xE9\xBB\x91\xE4\xBD\x93";
constexpr const char* kSong = "\xE5\xAE\x8B\xE4\xBD\x93";

constexpr std::uint32_t Version(std::uint32_t major, std::uint32_t minor) {
    return major | (minor << 8) | (0x2580u << 16);  // build number bits must not matter
}

// The language code goes through the language choice, so the fonts follow the same exact
// comparison as the texts.
TEST(FontsFor, ChoosesFacesByLanguageCodeAndWindowsVersion) {
    const MainWindowFonts chinese_hei{{kHei, 13, 400}, {kHei, 18, 700}};
    const MainWindowFonts chinese_song{{kSong, 13, 400}, {kSong, 18, 700}};
    const MainWindowFonts english{{"Arial", 14, 400}, {"Tahoma", 18, 700}};
    const struct {
        const char* code;
        std::uint32_t version;
        MainWindowFonts fonts;
    } cases[] = {
        {"CHS", Version(6, 2), chinese_hei},   {"CHS", Version(6, 1), chinese_song},
        {"CHS", Version(10, 0), chinese_song}, {"CHS", Version(2, 6), chinese_song},
        {"CHT", Version(6, 1), chinese_hei},   {"CHT", Version(6, 2), chinese_hei},
        {"", Version(6, 2), english},          {"EN", Version(6, 2), english},
        {"chs", Version(6, 2), english},       {"CHS ", Version(6, 2), english},
        {"CH", Version(6, 2), english},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FontsFor(LanguageFromCode(c.code), c.version), c.fonts)
            << '"' << c.code << "\" " << c.version;
    }
}

TEST(SkinDirectory, IsTheExecutablesFolderThenSkinsThenTheName) {
    EXPECT_EQ(SkinDirectory("C:\\Tools\\Corvanti-Tarn.exe", "Default"),
              "C:\\Tools\\/Skins/Default");
    // No skin name: the directory ends in "/Skins/".
    EXPECT_EQ(SkinDirectory("C:\\Tools\\Corvanti-Tarn.exe", ""), "C:\\Tools\\/Skins/");
    // A renamed executable still finds the Skins folder beside it.
    EXPECT_EQ(SkinDirectory("C:\\Tools\\corvanti-tarn (2).exe", "Blue"), "C:\\Tools\\/Skins/Blue");
    EXPECT_EQ(SkinDirectory("/opt/ct/Corvanti-Tarn.exe", "Default"), "/opt/ct//Skins/Default");
}

TEST(HideAtStartCounter, HidesAtTheFirstTwoNonClientPaintsOnly) {
    HideAtStartCounter counter;
    EXPECT_TRUE(counter.ShouldHideOnNonClientPaint());
    EXPECT_TRUE(counter.ShouldHideOnNonClientPaint());
    for (int paint = 3; paint < 10; ++paint) {
        EXPECT_FALSE(counter.ShouldHideOnNonClientPaint()) << "paint " << paint;
    }
}

}  // namespace
}  // namespace corvanti
