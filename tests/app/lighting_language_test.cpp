#include "app/lighting_language.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(LightingTextsOf, TakesTheModesAndEffectsByCodeFromTheLanguageTable) {
    const LightingTexts english = LightingTextsOf(LanguageTexts(Language::English));
    EXPECT_EQ(english.modes,
              (std::array<std::string, 4>{"Off", "Standard", "Respiration", "Neon"}));
    EXPECT_EQ(english.effects, (std::array<std::string, 4>{"Non-Disolay", "RGB Effect", "RGB Flash",
                                                           "RGB Fixed On"}));
    const LightingTexts chinese = LightingTextsOf(LanguageTexts(Language::SimplifiedChinese));
    EXPECT_EQ(chinese.modes[3], "霓虹模式");
    EXPECT_EQ(chinese.effects[2], "RGB闪烁");
}

}  // namespace
}  // namespace corvanti
