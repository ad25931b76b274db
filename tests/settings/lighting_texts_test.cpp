#include "settings/lighting_texts.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(LightingParameterText, FollowsTheTableOfEachMode) {
    const struct {
        std::uint8_t mode;
        std::uint8_t index;
        std::string text;
    } cases[] = {
        {1, 0, "5%"},     {1, 1, "15%"},  {1, 9, "100%"}, {1, 10, ""},  {2, 0, "8S"},
        {2, 4, "4S"},     {2, 5, ""},     {3, 0, "0.5S"}, {3, 1, "1S"}, {3, 2, "1.5S"},
        {3, 28, "14.5S"}, {3, 29, "15S"}, {3, 30, ""},    {0, 0, ""},   {4, 1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LightingParameterText(c.mode, c.index), c.text)
            << "mode " << int{c.mode} << " index " << int{c.index};
    }
}

TEST(LightingParameterEntries, OffersTheNeonPeriodsForEveryModeButStandardAndRespiration) {
    EXPECT_EQ(LightingParameterEntries(1).size(), 10u);
    EXPECT_EQ(LightingParameterEntries(2).size(), 5u);
    for (std::uint8_t mode : {std::uint8_t{0}, std::uint8_t{3}, std::uint8_t{9}}) {
        const auto entries = LightingParameterEntries(mode);
        ASSERT_EQ(entries.size(), 30u) << int{mode};
        EXPECT_EQ(entries.front(), "0.5S");
        EXPECT_EQ(entries.back(), "15S");
    }
}

TEST(LightingModeText, IsEmptyForACodeWithoutAName) {
    const LightingTexts texts{{"Off", "Standard", "Respiration", "Neon"},
                              {"Non-Disolay", "RGB Effect", "RGB Flash", "RGB Fixed On"}};
    EXPECT_EQ(LightingModeText(texts, 3), "Neon");
    EXPECT_EQ(LightingModeText(texts, 4), "");
    EXPECT_EQ(LightingEffectText(texts, 0), "Non-Disolay");
    EXPECT_EQ(LightingEffectText(texts, 255), "");
}

}  // namespace
}  // namespace corvanti
