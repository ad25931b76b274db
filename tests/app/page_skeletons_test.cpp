#include "app/page_skeletons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/hover_controls.h"
#include "app/main_window_layout.h"

namespace corvanti {
namespace {

constexpr Language kLanguages[] = {Language::SimplifiedChinese, Language::TraditionalChinese,
                                   Language::English};

std::vector<DrawLabel> LabelsOf(const DrawList& list) {
    std::vector<DrawLabel> labels;
    for (const DrawStep& step : list) {
        if (const auto* label = std::get_if<DrawLabel>(&step)) {
            labels.push_back(*label);
        }
    }
    return labels;
}

bool Overlap(ClientRect a, ClientRect b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(PageSkeletonsTest, BackgroundFirstThenImagesThenLabelsThatAreNeverEmpty) {
    for (Language language : kLanguages) {
        const LanguageTexts texts(language);
        for (const auto& [list, background] :
             {std::pair{BasicPageSkeleton(texts), "/BasicSet2.png"},
              std::pair{AdvancedPageSkeleton(texts), "/AdvancedSet2.png"}}) {
            ASSERT_FALSE(list.empty());
            EXPECT_EQ(list.front(), (DrawStep{DrawImage{background, 0, 0}}));
            const auto first_label = std::ranges::find_if(
                list, [](const DrawStep& step) { return std::holds_alternative<DrawLabel>(step); });
            EXPECT_TRUE(std::all_of(
                first_label, list.end(),
                [](const DrawStep& step) { return std::holds_alternative<DrawLabel>(step); }))
                << background << ": an image drawn after a label could hide it";
            for (const DrawLabel& label : LabelsOf(list)) {
                EXPECT_FALSE(label.text.empty())
                    << background << " " << label.rect.left << "," << label.rect.top;
            }
        }
    }
}

TEST(PageSkeletonsTest, BasicPageLabelsStandWhereTheirControlsAre) {
    const LanguageTexts english(Language::English);
    const std::vector<DrawLabel> labels = LabelsOf(BasicPageSkeleton(english));
    const std::vector<DrawLabel> expected = {
        {"Basic Settings", {105, 51, 320, 99}, text_format::kLeftMiddle, LabelFont::kTitle},
        {"Key Setting", {259, 160, 364, 181}},
        {"Report Rate Setting", {504, 161, 609, 182}},
        {"DPI Setting", {504, 275, 609, 296}},
        {"DPI Effect", {704, 275, 809, 296}},
        {std::string(kWebAddress), {246, 611, 398, 629}},
        {"OK", {562, 623, 667, 644}},
        {"Apply", {666, 623, 771, 644}},
        {"Cancel", {770, 623, 875, 644}},
        {"Default", {307, 549, 412, 570}},
        {"Mode", {697, 330, 757, 344}, text_format::kRightMiddle},
        {"Parameter", {697, 360, 757, 374}, text_format::kRightMiddle},
        {"Effect", {697, 390, 757, 404}, text_format::kRightMiddle},
    };
    EXPECT_EQ(labels, expected);
}

TEST(PageSkeletonsTest, AdvancedPageLabelsStayClearOfThePagesChildControls) {
    // The macro editor's edits, lists and mouse-event text, and the three pointer sliders.
    constexpr ClientRect kChildControls[] = {
        {735, 322, 799, 336}, {735, 362, 799, 376}, {462, 220, 591, 512}, {592, 220, 725, 512},
        {735, 402, 839, 416}, {52, 200, 316, 211},  {52, 350, 316, 361},  {52, 500, 316, 511},
    };
    for (Language language : kLanguages) {
        for (const DrawLabel& label : LabelsOf(AdvancedPageSkeleton(LanguageTexts(language)))) {
            for (ClientRect control : kChildControls) {
                EXPECT_FALSE(Overlap(label.rect, control))
                    << label.text << " under the control at " << control.left << "," << control.top;
            }
        }
    }
}

TEST(PageSkeletonsTest, AdvancedPageWrapsTheRecordingLabelsAndTitlesThePage) {
    const std::vector<DrawLabel> labels =
        LabelsOf(AdvancedPageSkeleton(LanguageTexts(Language::English)));
    EXPECT_EQ(labels.size(), 23u);
    const auto find = [&labels](std::string_view text) {
        const auto it = std::ranges::find(labels, text, &DrawLabel::text);
        return it == labels.end() ? DrawLabel{} : *it;
    };
    EXPECT_EQ(find("Start Recording"),
              (DrawLabel{"Start Recording", {765, 227, 874, 260}, text_format::kWrapped}));
    EXPECT_EQ(find("Stop Recording"),
              (DrawLabel{"Stop Recording", {765, 263, 874, 296}, text_format::kWrapped}));
    EXPECT_EQ(
        find("Enhance Pointer Precision"),
        (DrawLabel{"Enhance Pointer Precision", {77, 255, 408, 271}, text_format::kLeftMiddle}));
    EXPECT_EQ(
        find("Advanced Settings"),
        (DrawLabel{
            "Advanced Settings", {105, 51, 320, 99}, text_format::kLeftMiddle, LabelFont::kTitle}));
    EXPECT_EQ(find("Delete").rect, kDeleteMacroArea);
    EXPECT_EQ(find("Default").rect, kPointerDefaultArea);
}

std::filesystem::path SkinsRoot() {
    return std::filesystem::path(CORVANTI_TEST_DATA_DIR).parent_path().parent_path() / "Skins";
}

std::vector<std::string> ImagesOf(const DrawList& list) {
    std::vector<std::string> names;
    for (const DrawStep& step : list) {
        if (const auto* image = std::get_if<DrawImage>(&step)) {
            names.push_back(image->name);
        }
    }
    return names;
}

TEST(PageSkeletonsTest, EveryImageOfThePagesAndOfTheHoverStatesIsInEachSkin) {
    const LanguageTexts english(Language::English);
    std::vector<std::string> names = ImagesOf(BasicPageSkeleton(english));
    const std::vector<std::string> advanced = ImagesOf(AdvancedPageSkeleton(english));
    names.insert(names.end(), advanced.begin(), advanced.end());
    const ButtonCaptions captions;
    for (int kind = 0; kind <= static_cast<int>(HoverKind::ConfirmMacro); ++kind) {
        for (bool hot : {false, true}) {
            const std::vector<std::string> images = ImagesOf(
                HoverControlDrawing({static_cast<HoverKind>(kind), 1}, hot, {english, captions}));
            ASSERT_EQ(images.size(), 1u) << kind;
            names.push_back(images.front());
        }
    }
    for (const char* skin : {"Default", "Frost"}) {
        for (const std::string& name : names) {
            ASSERT_TRUE(name.starts_with("/")) << name;
            EXPECT_TRUE(std::filesystem::exists(SkinsRoot() / skin / name.substr(1)))
                << skin << name;
        }
    }
}

}  // namespace
}  // namespace corvanti
