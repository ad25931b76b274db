#include "settings/lighting_static_font.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvanti {
namespace {

constexpr int kModeStatic = 80;
constexpr int kParameterStatic = 81;
constexpr int kEffectStatic = 82;
constexpr int kEnglishHeight = 14;
constexpr int kChineseHeight = 13;

// A text `width_at_settings` pixels wide at the settings font, scaling with the font's
// character width: half its height unless a width is asked for.
EntriesExtent TextExtent(int width_at_settings, int settings_height, FontSize size) {
    const int char_width_times_two = size.width != 0 ? 2 * size.width : size.height;
    return {width_at_settings * char_width_times_two / settings_height, size.height,
            size.height / 2};
}

TEST(LightingStaticFontTest, AStaticKeepsTheSettingsFontUnlessItsTextIsWiderThanTheStatic) {
    struct Case {
        const char* what;
        int static_id;
        int settings_height;
        int width_at_settings;
        FontSize font;
    };
    const Case cases[] = {
        {"as wide as the static: whole, no margin taken", kModeStatic, kEnglishHeight, 68, {14, 0}},
        {"one pixel wider: the next smaller height", kModeStatic, kEnglishHeight, 69, {13, 0}},
        {"a long effect name", kEffectStatic, kEnglishHeight, 84, {11, 0}},
        {"too wide at the smallest height: narrower characters",
         kEffectStatic,
         kEnglishHeight,
         120,
         {10, 4}},
        {"a parameter text that fits", kParameterStatic, kEnglishHeight, 30, {14, 0}},
        {"a parameter text one pixel too wide", kParameterStatic, kEnglishHeight, 69, {13, 0}},
        {"an empty text", kEffectStatic, kEnglishHeight, 0, {14, 0}},
        {"the Chinese settings font, fitting", kModeStatic, kChineseHeight, 68, {13, 0}},
        {"the Chinese settings font, too wide", kEffectStatic, kChineseHeight, 70, {12, 0}},
    };
    for (const Case& c : cases) {
        const auto measure = [&](FontSize size) {
            return TextExtent(c.width_at_settings, c.settings_height, size);
        };
        EXPECT_EQ(LightingStaticFontSize(c.static_id, c.settings_height, measure), c.font)
            << c.what;
    }
}

TEST(LightingStaticFontTest, OtherControlsAreLeftAlone) {
    for (const int control_id : {0, 63, 64, 65, 71, 79, 83, 119}) {
        std::vector<FontSize> measured;
        const auto measure = [&](FontSize size) {
            measured.push_back(size);
            return TextExtent(200, kEnglishHeight, size);
        };
        EXPECT_EQ(LightingStaticFontSize(control_id, kEnglishHeight, measure), std::nullopt)
            << control_id;
        EXPECT_TRUE(measured.empty()) << control_id;
    }
}

}  // namespace
}  // namespace corvanti
