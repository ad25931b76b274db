#include "app/page_drawings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/page_skeletons.h"
#include "profile/factory_profile.h"
#include "settings/pointer_panel.h"

namespace corvanti {
namespace {

bool StartsWith(const DrawList& list, const DrawList& prefix) {
    return list.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), list.begin());
}

bool Contains(const DrawList& list, const DrawStep& step) {
    return std::ranges::find(list, step) != list.end();
}

const DrawLabel* FindLabel(const DrawList& list, std::string_view text, ClientRect rect) {
    for (const DrawStep& step : list) {
        const auto* label = std::get_if<DrawLabel>(&step);
        if (label != nullptr && label->text == text && label->rect == rect) {
            return label;
        }
    }
    return nullptr;
}

// A page shows the state it is built from: the key mode the record shows with that mode's
// captions, the lit report-rate cell and the DPI values of the mouse's sensor.
TEST(PageDrawingsTest, TheBasicPageShowsTheWorkingRecordOverItsFixedPart) {
    const LanguageTexts texts(Language::English);
    ProfileRecord working = FactoryProfile();
    working.set_shown_key_mode(KeyMode::B);
    working.set_report_rate_code(4);
    ButtonCaptions captions;
    captions[0] = "caption of mode A";
    captions[kCaptionButtonCount] = "caption of mode B";

    const DrawList page = BasicPageDrawing(texts, working, captions, 1);

    EXPECT_TRUE(StartsWith(page, BasicPageSkeleton(texts)));
    EXPECT_TRUE(Contains(page, DrawImage{"/button-over.png", 357, 518}));
    EXPECT_TRUE(Contains(page, DrawImage{"/button-normal.png", 253, 518}));
    EXPECT_NE(FindLabel(page, "caption of mode B", {272, 199, 463, 220}), nullptr);
    EXPECT_EQ(FindLabel(page, "caption of mode A", {272, 199, 463, 220}), nullptr);
    EXPECT_TRUE(Contains(page, DrawImage{"/slider-RP-light.png", 614, 204}));
    EXPECT_TRUE(Contains(page, DrawImage{"/slider-RP-dark.png", 542, 204}));
    EXPECT_NE(FindLabel(page, "3200", {494, 374, 544, 390}), nullptr) << "level 8 of sensor 1";
    EXPECT_EQ(FindLabel(page, "4000", {514, 302, 544, 318}), nullptr) << "no twelfth level";
}

TEST(PageDrawingsTest, TheAdvancedPageNumbersEachSliderCellBeforeThePointerPanel) {
    const LanguageTexts texts(Language::SimplifiedChinese);
    const DrawList panel{DrawImage{"/slider-light.png", 52, 200}};

    const DrawList page = AdvancedPageDrawing(texts, panel);

    const DrawList skeleton = AdvancedPageSkeleton(texts);
    ASSERT_TRUE(StartsWith(page, skeleton));
    ASSERT_EQ(page.size(), skeleton.size() + 3 * kPointerSliderCells + panel.size());
    EXPECT_EQ(page.back(), panel.back()) << "the panel comes last, over everything else";
    std::vector<DrawLabel> numbers;
    for (auto it = page.begin() + static_cast<std::ptrdiff_t>(skeleton.size());
         it != page.end() - 1; ++it) {
        numbers.push_back(std::get<DrawLabel>(*it));
    }
    for (PointerSlider slider :
         {PointerSlider::Speed, PointerSlider::Scrolling, PointerSlider::DoubleClick}) {
        for (int cell = 1; cell <= kPointerSliderCells; ++cell) {
            const ClientRect under = PointerSliderCellRect(slider, cell);
            const auto number = std::ranges::find_if(numbers, [&](const DrawLabel& label) {
                return label.rect.left == under.left && label.rect.right == under.right &&
                       label.rect.top >= under.bottom && label.rect.top < under.bottom + 5;
            });
            ASSERT_NE(number, numbers.end()) << static_cast<int>(slider) << " " << cell;
            EXPECT_EQ(number->text, std::to_string(cell));
            EXPECT_EQ(number->format, text_format::kCentredTop);
        }
    }
}

}  // namespace
}  // namespace corvanti
