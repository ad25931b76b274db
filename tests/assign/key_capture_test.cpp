#include "assign/key_capture.h"

#include <gtest/gtest.h>

#include "assign/capture_results.h"

namespace corvanti {
namespace {

// The keystroke flags a keyboard hook receives: repeat count 1, the scan code, the extended
// bit, and for a release the previous-state and transition bits.
std::uint32_t Keystroke(std::uint8_t scan_code, bool extended, bool release) {
    std::uint32_t flags = 1u | (std::uint32_t{scan_code} << 16);
    if (extended) {
        flags |= 1u << 24;
    }
    if (release) {
        flags |= 3u << 30;
    }
    return flags;
}

constexpr std::uint8_t kScanA = 0x1E;
constexpr std::uint8_t kScanB = 0x30;
constexpr std::uint8_t kScanShift = 0x2A;
constexpr std::uint8_t kScanEscape = 0x01;

TEST(SingleKeyCaptureTest, TheLastKeyEventNamesTheKey) {
    struct Event {
        std::uint8_t scan_code;
        bool extended;
        bool release;
    };
    struct Case {
        std::vector<Event> events;
        std::string name;
    };
    const Case cases[] = {
        {{{kScanA, false, false}, {kScanA, false, true}}, "A"},
        // Shift held over A: its release comes last.
        {{{kScanShift, false, false},
          {kScanA, false, false},
          {kScanA, false, true},
          {kScanShift, false, true}},
         "Shift"},
        {{{0x1C, false, false}, {0x1C, false, true}}, "Enter"},
        {{{0x1D, true, false}, {0x1D, true, true}}, "Right Ctrl"},
        {{{0x47, false, true}}, "Num 7"},
        {{{0x49, true, true}}, "Page Up"},
        {{{0x5B, true, false}}, "Left Windows"},
        {{{0x59, false, true}}, "Scan 0x59"},  // no key of the table: turns into code 0
        {{}, ""},
    };
    for (const Case& c : cases) {
        SingleKeyCapture capture;
        for (const Event& e : c.events) {
            EXPECT_EQ(capture.OnKeyEvent(Keystroke(e.scan_code, e.extended, e.release)),
                      capture.choice().key_name);
        }
        EXPECT_EQ(capture.choice().key_name, c.name);
    }
}

TEST(ComboKeyCaptureTest, KeysGoOnlyIntoTheFocusedBox) {
    ComboKeyCapture capture;
    capture.OnModifierChosen("Left Ctrl");
    EXPECT_TRUE(capture.OnKeyEvent(ComboKeyBox::kFirst, Keystroke(kScanA, false, true)));
    EXPECT_FALSE(capture.OnKeyEvent(ComboKeyBox::kNeither, Keystroke(kScanShift, false, true)));
    EXPECT_TRUE(capture.OnKeyEvent(ComboKeyBox::kSecond, Keystroke(kScanB, false, true)));
    EXPECT_EQ(capture.NameIn(ComboKeyBox::kFirst), "A");
    EXPECT_EQ(capture.NameIn(ComboKeyBox::kSecond), "B");
    EXPECT_EQ(capture.NameIn(ComboKeyBox::kNeither), "");
    const ComboKeyChoice& choice = capture.choice();
    EXPECT_EQ(choice.modifier_name, "Left Ctrl");
    EXPECT_EQ(choice.first_key_name, "A");
    EXPECT_EQ(choice.second_key_name, "B");

    // A name is only ever replaced: Escape is captured like any key, a new modifier replaces
    // the old.
    capture.OnKeyEvent(ComboKeyBox::kFirst, Keystroke(kScanEscape, false, false));
    capture.OnModifierChosen("Right Alt");
    EXPECT_EQ(capture.choice().first_key_name, "Esc");
    EXPECT_EQ(capture.choice().second_key_name, "B");
    EXPECT_EQ(capture.choice().modifier_name, "Right Alt");
}

TEST(CombinationTextTest, JoinsThePartsThatTurnIntoCodes) {
    struct Case {
        ComboKeyChoice choice;
        std::string text;
    };
    const Case cases[] = {
        {{"Left Ctrl", "A", "B"}, "Left Ctrl+A+B"},
        {{"Left Ctrl", "", "B"}, "Left Ctrl+B"},
        {{"", "A", ""}, "A"},
        {{"", "", "Num Enter"}, "Num Enter"},
        {{"", "", ""}, ""},
        // Names the tables do not know are left out: other case, the scan-code fallback.
        {{"left ctrl", "a", "Scan 0x59"}, ""},
        {{"Right Win", "Scan 0xE05D", "Esc"}, "Right Win+Esc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CombinationText(c.choice), c.text) << c.text;
    }
}

}  // namespace
}  // namespace corvanti
