#include "app/main_window_pretranslation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/keyboard_filter.h"

namespace corvanti {
namespace {

constexpr std::uint32_t kKeyDown = kKeyDownMessage;
constexpr std::uint32_t kKeyUp = 0x0101;
constexpr std::uint32_t kSystemKeyDown = 0x0104;
constexpr std::uintptr_t kEnter = 13;
constexpr std::uintptr_t kEscape = 27;
constexpr std::uintptr_t kKeyA = 65;

TEST(HandleKeyMessageTest, RecordingSwallowsKeyDownsEnterAndEscapeHideOtherwise) {
    using H = KeyDownHandling;
    const auto advanced = PageState::Advanced;
    const auto basic = PageState::Basic;
    const struct {
        std::uint32_t message;
        std::uintptr_t key;
        PageState page;
        bool recording;
        KeyDownHandling handling;
    } cases[] = {
        {kKeyDown, kEnter, basic, false, H::HideWindowAndSwallow},
        {kKeyDown, kEscape, advanced, false, H::HideWindowAndSwallow},
        {kKeyDown, kKeyA, basic, false, H::PassOn},
        {kKeyUp, kEnter, basic, false, H::PassOn},
        // A recording keeps the window up, whatever key is pressed.
        {kKeyDown, kEscape, advanced, true, H::Swallow},
        {kKeyDown, kKeyA, advanced, true, H::Swallow},
        {kKeyUp, kKeyA, advanced, true, H::PassOn},
        {kSystemKeyDown, kKeyA, advanced, true, H::PassOn},
        // The hook only matters on the page that shows the recording.
        {kKeyDown, kKeyA, basic, true, H::PassOn},
        {kKeyDown, kEnter, basic, true, H::HideWindowAndSwallow},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HandleKeyMessage(c.message, c.key, c.page, c.recording), c.handling)
            << c.message << " " << c.key << " page " << static_cast<int>(c.page) << " recording "
            << c.recording;
    }
}

TEST(ListUnderPointerForTest, ListsFollowThePointerOnlyOnTheirPage) {
    const auto basic = PageState::Basic;
    const auto advanced = PageState::Advanced;
    const struct {
        PageState page;
        int control_id;
        ListUnderPointer result;
    } cases[] = {
        {basic, 41, {true, 1}},
        {basic, 50, {true, 10}},
        {basic, 51, {false, 0}},
        {basic, 40, {false, 0}},
        {basic, 37, {true, 0}},
        {basic, 63, {true, 0}},
        {basic, 64, {true, 0}},
        {basic, 65, {true, 0}},
        {basic, 66, {false, 0}},
        {basic, 152, {false, 0}},
        {basic, 154, {false, 0}},
        {advanced, 152, {true, 0}},
        {advanced, 154, {true, 0}},
        {advanced, 151, {false, 0}},
        {advanced, 41, {false, 0}},
        {advanced, 63, {false, 0}},
        {PageState::None, 41, {false, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ListUnderPointerFor(c.page, c.control_id), c.result)
            << "page " << static_cast<int>(c.page) << " control " << c.control_id;
    }
}

TEST(SecondaryListForTest, StandsBesideTheDpiSwitchItemOfTheButtonsList) {
    // Item 6 of a list with 16-pixel items: (0, 96) to (209, 112) in the list's pixels.
    const ClientRect item{0, 96, 209, 112};
    const std::vector<std::string> entries{"DPI +", "DPI -", "DPI Loop", "Shift DPI"};
    // Button 1's list area starts at (252, 221); button 8's at (463, 123).
    EXPECT_EQ(SecondaryListFor(1, 6, item), (ListBoxWindow{37, {461, 317, 521, 397}, entries}));
    EXPECT_EQ(SecondaryListFor(8, 6, item), (ListBoxWindow{37, {672, 219, 732, 299}, entries}));
    for (int other : {-1, 0, 5, 7, 15}) {
        EXPECT_EQ(SecondaryListFor(1, other, item), std::nullopt) << other;
    }
    EXPECT_EQ(SecondaryListFor(11, 6, item), std::nullopt) << "no such button";
    EXPECT_EQ(SecondaryListFor(0, 6, item), std::nullopt) << "no such button";
}

TEST(EventListMenuItemTextTest, OpensOverTheEventListOnTheAdvancedPage) {
    const LanguageTexts chinese(Language::TraditionalChinese);
    EXPECT_EQ(EventListMenuItemText(PageState::Advanced, 152, chinese),
              chinese.Text(TextRole::Delete));
    EXPECT_EQ(EventListMenuItemText(PageState::Advanced, 151, chinese), std::nullopt);
    EXPECT_EQ(EventListMenuItemText(PageState::Basic, 152, chinese), std::nullopt);
}

}  // namespace
}  // namespace corvanti
