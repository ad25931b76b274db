#include "settings/lighting_panel.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

constexpr int kModeList = 63;
constexpr int kParameterList = 64;
constexpr int kEffectList = 65;

LightingTexts EnglishTexts() {
    return {{"Off", "Standard", "Respiration", "Neon"},
            {"Non-Disolay", "RGB Effect", "RGB Flash", "RGB Fixed On"}};
}

using Texts = std::vector<StaticText>;

// A record whose lighting bytes all differ, so a text shows which byte it came from.
class LightingPanelTest : public ::testing::Test {
  protected:
    LightingPanelTest() {
        record.set_lighting_parameter(1, 9);  // "100%"
        record.set_lighting_parameter(2, 3);  // "5S"
        record.set_lighting_parameter(3, 5);  // "3S"
        record.set_standard_effect(3);
        record.set_respiration_effect(2);
        record.set_neon_effect(3);
    }

    // The page as built with the given mode.
    LightingOutcome SetUp(std::uint8_t mode) {
        record.set_lighting_mode(mode);
        return panel.SetUpPage();
    }

    ProfileRecord record;
    LightingPanel panel{record, EnglishTexts()};
};

TEST_F(LightingPanelTest, PageSetUpShowsTheStoredModeWithItsParameterAndEffect) {
    const struct {
        std::uint8_t mode;
        Texts statics;
    } cases[] = {
        {0, {{80, "Off"}}},
        {1, {{80, "Standard"}, {81, "100%"}, {82, "RGB Fixed On"}}},
        {2, {{80, "Respiration"}, {81, "5S"}, {82, "RGB Flash"}}},
        {3, {{80, "Neon"}, {81, "3S"}, {82, "RGB Fixed On"}}},
        {9, {{80, ""}}},
    };
    for (const auto& c : cases) {
        const LightingOutcome outcome = SetUp(c.mode);
        EXPECT_EQ(outcome.create_statics, c.statics) << "mode " << int{c.mode};
        EXPECT_TRUE(outcome.set_texts.empty());
        EXPECT_FALSE(outcome.create_list);
    }
}

TEST_F(LightingPanelTest, ChoosingAModeStoresItAndShowsThatModesBytes) {
    const struct {
        int position;
        std::uint8_t mode;
        Texts texts;
    } cases[] = {
        // The standard mode shows effect 1 whatever its byte holds.
        {0, 1, {{80, "Standard"}, {81, "100%"}, {82, "RGB Effect"}}},
        {1, 2, {{80, "Respiration"}, {81, "5S"}, {82, "RGB Flash"}}},
        {2, 3, {{80, "Neon"}, {81, "3S"}, {82, "RGB Fixed On"}}},
    };
    for (const auto& c : cases) {
        SetUp(3);
        panel.ClickSelector(LightingSelector::Mode);
        const LightingOutcome outcome = panel.Choose(LightingSelector::Mode, c.position);
        EXPECT_EQ(record.lighting_mode(), c.mode);
        EXPECT_EQ(outcome.set_texts, c.texts) << "position " << c.position;
        EXPECT_EQ(outcome.destroy_list, kModeList);
        EXPECT_TRUE(outcome.create_statics.empty());
        EXPECT_FALSE(panel.IsOpen(LightingSelector::Mode));
    }
    // Once the page is built again, the standard mode shows its own byte.
    EXPECT_EQ(SetUp(1).create_statics[2], (StaticText{82, "RGB Fixed On"}));
}

TEST_F(LightingPanelTest, RespirationWithZeroBytesShowsTheFirstPeriodAndEffectZero) {
    record.set_lighting_parameter(2, 0);
    record.set_respiration_effect(0);
    SetUp(1);
    panel.ClickSelector(LightingSelector::Mode);
    EXPECT_EQ(panel.Choose(LightingSelector::Mode, 1).set_texts,
              (Texts{{80, "Respiration"}, {81, "8S"}, {82, "Non-Disolay"}}));
}

TEST_F(LightingPanelTest, LeavingTheOffModeCreatesTheParameterAndEffectStatics) {
    SetUp(0);
    panel.ClickSelector(LightingSelector::Mode);
    const LightingOutcome outcome = panel.Choose(LightingSelector::Mode, 2);
    EXPECT_EQ(outcome.set_texts, (Texts{{80, "Neon"}}));
    EXPECT_EQ(outcome.create_statics, (Texts{{81, "3S"}, {82, "RGB Fixed On"}}));
    // From then on they exist and take new texts.
    panel.ClickSelector(LightingSelector::Parameter);
    EXPECT_EQ(panel.Choose(LightingSelector::Parameter, 0).set_texts, (Texts{{81, "0.5S"}}));
}

TEST_F(LightingPanelTest, TheModeListOpensAndClosesOnItsSelector) {
    SetUp(2);
    LightingOutcome outcome = panel.ClickSelector(LightingSelector::Mode);
    ASSERT_TRUE(outcome.create_list);
    EXPECT_EQ(
        *outcome.create_list,
        (ListBoxWindow{kModeList, {766, 347, 851, 407}, {"Standard", "Respiration", "Neon"}}));
    outcome = panel.ClickSelector(LightingSelector::Mode);
    EXPECT_EQ(outcome.destroy_list, kModeList);
    EXPECT_FALSE(outcome.create_list);
    EXPECT_FALSE(panel.IsOpen(LightingSelector::Mode));
}

TEST_F(LightingPanelTest, TheParameterListFollowsTheModeAndStoresInItsByte) {
    const struct {
        std::uint8_t mode;
        std::size_t entries;
        int bottom;
        int position;
        std::string text;
    } cases[] = {
        {1, 10, 547, 4, "45%"},
        {2, 5, 467, 4, "4S"},
        {3, 30, 577, 29, "15S"},
    };
    for (const auto& c : cases) {
        SetUp(c.mode);
        const LightingOutcome opened = panel.ClickSelector(LightingSelector::Parameter);
        ASSERT_TRUE(opened.create_list) << int{c.mode};
        EXPECT_EQ(opened.create_list->control_id, kParameterList);
        EXPECT_EQ(opened.create_list->area, (ClientRect{767, 377, 851, c.bottom}));
        EXPECT_EQ(opened.create_list->entries.size(), c.entries);

        const LightingOutcome chosen = panel.Choose(LightingSelector::Parameter, c.position);
        EXPECT_EQ(chosen.destroy_list, kParameterList);
        EXPECT_EQ(chosen.set_texts, (Texts{{81, c.text}}));
        EXPECT_EQ(record.lighting_parameter(c.mode), c.position);
    }
}

TEST_F(LightingPanelTest, InTheOffModeTheParameterChoiceIsNeitherStoredNorShown) {
    SetUp(0);
    const ProfileRecord before = record;
    const LightingOutcome opened = panel.ClickSelector(LightingSelector::Parameter);
    ASSERT_TRUE(opened.create_list);
    EXPECT_EQ(opened.create_list->entries.size(), 30u);
    const LightingOutcome chosen = panel.Choose(LightingSelector::Parameter, 7);
    EXPECT_EQ(chosen.destroy_list, kParameterList);
    EXPECT_TRUE(chosen.set_texts.empty());
    EXPECT_EQ(record, before);
}

TEST_F(LightingPanelTest, TheEffectListOffersTwoEffectsOfRespirationAndNeon) {
    const struct {
        std::uint8_t mode;
        std::vector<std::string> entries;
        std::uint8_t stored;
        std::string text;
    } cases[] = {
        {2, {"RGB Effect", "RGB Flash"}, 1, "RGB Effect"},
        {3, {"RGB Flash", "RGB Fixed On"}, 2, "RGB Flash"},
    };
    for (const auto& c : cases) {
        SetUp(c.mode);
        const LightingOutcome opened = panel.ClickSelector(LightingSelector::Effect);
        ASSERT_TRUE(opened.create_list);
        EXPECT_EQ(*opened.create_list,
                  (ListBoxWindow{kEffectList, {766, 407, 851, 447}, c.entries}));
        const LightingOutcome chosen = panel.Choose(LightingSelector::Effect, 0);
        EXPECT_EQ(chosen.set_texts, (Texts{{82, c.text}}));
        EXPECT_EQ(c.mode == 2 ? record.respiration_effect() : record.neon_effect(), c.stored);
    }
}

TEST_F(LightingPanelTest, TheStandardAndOffModesOpenNoEffectListButCountTheClick) {
    SetUp(1);
    LightingOutcome outcome = panel.ClickSelector(LightingSelector::Effect);
    EXPECT_FALSE(outcome.create_list);
    EXPECT_EQ(outcome.set_texts, (Texts{{82, "RGB Effect"}}));
    EXPECT_EQ(record.standard_effect(), 3);
    EXPECT_TRUE(panel.IsOpen(LightingSelector::Effect));
    outcome = panel.ClickSelector(LightingSelector::Effect);
    EXPECT_EQ(outcome.destroy_list, kEffectList);
    EXPECT_FALSE(panel.IsOpen(LightingSelector::Effect));

    SetUp(0);
    outcome = panel.ClickSelector(LightingSelector::Effect);
    EXPECT_FALSE(outcome.create_list);
    EXPECT_TRUE(outcome.set_texts.empty());
    EXPECT_TRUE(panel.IsOpen(LightingSelector::Effect));
}

TEST_F(LightingPanelTest, ChoicesOutsideAnOpenListAreIgnored) {
    SetUp(3);
    const ProfileRecord before = record;
    EXPECT_FALSE(panel.Choose(LightingSelector::Mode, 0).destroy_list) << "the list is closed";
    panel.ClickSelector(LightingSelector::Mode);
    panel.ClickSelector(LightingSelector::Effect);
    for (int position : {-1, 3}) {
        EXPECT_FALSE(panel.Choose(LightingSelector::Mode, position).destroy_list) << position;
    }
    EXPECT_FALSE(panel.Choose(LightingSelector::Effect, 2).destroy_list);
    EXPECT_TRUE(panel.IsOpen(LightingSelector::Mode));
    EXPECT_EQ(record, before);
}

TEST_F(LightingPanelTest, AClickClosesTheListsItMissesModeEffectParameter) {
    SetUp(3);
    panel.ClickSelector(LightingSelector::Mode);
    panel.ClickSelector(LightingSelector::Parameter);
    panel.ClickSelector(LightingSelector::Effect);

    EXPECT_EQ(panel.CloseListsOutside({800, 420}), std::vector<int>({kModeList}))
        << "inside the parameter and effect lists";
    EXPECT_EQ(panel.CloseListsOutside({790, 365}), std::vector<int>({kEffectList}))
        << "on the parameter selector";
    EXPECT_EQ(panel.CloseListsOutside({790, 576}), std::vector<int>())
        << "at the bottom of the neon list";
    EXPECT_EQ(panel.CloseListsOutside({790, 577}), std::vector<int>({kParameterList}));

    panel.ClickSelector(LightingSelector::Mode);
    panel.ClickSelector(LightingSelector::Parameter);
    panel.ClickSelector(LightingSelector::Effect);
    EXPECT_EQ(panel.CloseListsOutside({10, 10}),
              std::vector<int>({kModeList, kEffectList, kParameterList}));
    EXPECT_TRUE(panel.CloseLists().empty());
}

}  // namespace
}  // namespace corvanti
