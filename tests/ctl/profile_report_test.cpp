#include "ctl/profile_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "profile/factory_profile.h"
#include "profile/key_function.h"
#include "profile/key_name_table.h"

namespace corvanti {
namespace {

std::vector<std::string> ReportLines(const ProfileFileContent& content) {
    std::istringstream report(FormatProfileReport(content));
    std::vector<std::string> lines;
    for (std::string line; std::getline(report, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::ranges::find(lines, line) != lines.end();
}

void SetType(ProfileRecord& record, std::size_t slot, FunctionType type) {
    record.set_slot(KeyMode::B, SlotField::FunctionType, slot, static_cast<std::uint8_t>(type));
}

TEST(ProfileReport, FactoryProfileShowsEverySection) {
    const auto lines = ReportLines({0, FactoryProfile()});
    for (const char* expected : {
             "First-run flag: 0",
             "Shown key mode: Mode A",
             "  Button 1: Left Click",
             "  Button 4: DPI Switch DPI Loop",
             "  Button 5: Multimedia Previous usage 0xB6",
             "  Button 8: Fire Key L-Button speed 34 count 0",
             "  Button 9: Windows My Computer usage 0x0194",
             "  Button 10: RGB On/Off",
             "Key matrix 1 (Mode A): 00f00001 00f10001 00f20001 0022f00a 01940003 0322f00a "
             "00030007 00030008 00b50003 00b60003 00000000 00000000 00000000 00000000 00f70001 "
             "00f80001",
             "  Stage 4: level 7, enabled, colour #FFFF00",
             "Report rate: code 1 (1000 reports per second)",
             "Lighting: mode 1 Standard",
             "Pointer: precision off, scroll one screen off, speed level 6, wheel lines 3, "
             "double-click level 6",
             "  Macro 12: loop count 0, events 0",
         }) {
        EXPECT_TRUE(HasLine(lines, expected)) << expected;
    }
}

TEST(ProfileReport, ButtonParametersAreNamedAsTheDialogsName) {
    ProfileRecord record = FactoryProfile();
    SetType(record, 0, FunctionType::ComboKey);
    record.set_slot(KeyMode::B, SlotField::ComboModifiers, 0, ModifierMaskOfName("Left Shift"));
    record.set_slot(KeyMode::B, SlotField::ComboFirstKey, 0, KeyCodeOfName("A"));
    SetType(record, 1, FunctionType::ComboKey);
    record.set_slot(KeyMode::B, SlotField::ComboFirstKey, 1, KeyCodeOfName("Num 7"));
    record.set_slot(KeyMode::B, SlotField::ComboSecondKey, 1, KeyCodeOfName("F2"));
    SetType(record, 2, FunctionType::MacroKey);
    record.set_slot(KeyMode::B, SlotField::MacroIndex, 2, 2);
    record.set_slot(KeyMode::B, SlotField::MacroRepeatMode, 2, 0);
    SetType(record, 3, FunctionType::SingleKey);
    record.set_slot(KeyMode::B, SlotField::SingleKeyCode, 3, KeyCodeOfName("Right Windows"));
    const auto lines = ReportLines({1, record});
    EXPECT_TRUE(HasLine(lines, "  Button 1: Combo Key Left Shift + A"));
    EXPECT_TRUE(HasLine(lines, "  Button 2: Combo Key Num 7 + F2"));
    EXPECT_TRUE(HasLine(lines, "  Button 3: Macro Key 3 mode 1"));
    EXPECT_TRUE(HasLine(lines, "  Button 4: Single Key Right Windows"));
    EXPECT_TRUE(HasLine(lines, "First-run flag: 1"));
}

// A damaged or foreign file must still show what it holds rather than empty names.
TEST(ProfileReport, ValuesOutsideTheListsShowTheirRawValues) {
    ProfileRecord record = FactoryProfile();
    SetType(record, 0, FunctionType::SingleKey);
    record.set_slot(KeyMode::B, SlotField::SingleKeyCode, 0, 0xFF);
    record.set_slot(KeyMode::B, SlotField::FunctionType, 1, 200);
    record.set_slot(KeyMode::B, SlotField::MultimediaIndex, 4, 99);
    record.set_slot(KeyMode::B, SlotField::WindowsIndex, 8, 11);
    record.set_dpi_switch_code(KeyMode::B, 3, 9);
    record.set_report_rate_code(3);
    record.set_lighting_mode(7);
    const auto lines = ReportLines({0, record});
    EXPECT_TRUE(HasLine(lines, "  Button 1: Single Key code 0xFF"));
    EXPECT_TRUE(HasLine(lines, "  Button 2: type 200 (Key Off)"));
    EXPECT_TRUE(HasLine(lines, "  Button 4: DPI Switch code 9"));
    EXPECT_TRUE(HasLine(lines, "  Button 5: Multimedia index 99 usage 0xB6"));
    EXPECT_TRUE(HasLine(lines, "  Button 9: Windows index 11 usage 0x0194"));
    EXPECT_TRUE(HasLine(lines, "Report rate: code 3 (not a valid code)"));
    EXPECT_TRUE(HasLine(lines, "Lighting: mode 7 (unknown)"));
}

TEST(ProfileReport, MacroBlocksShowLoopCountAndEventCount) {
    struct Case {
        std::vector<std::uint8_t> block;
        std::string line;
    };
    std::vector<std::uint8_t> full_of_short_events(kMacroBlockSize, 0x85);
    std::vector<std::uint8_t> garbage(kMacroBlockSize, 0xFF);
    full_of_short_events[0] = 0xFF;
    full_of_short_events[1] = 0xFF;
    const Case cases[] = {
        {{}, "  Macro 1: loop count 0, events 0"},
        {{0x01, 0x02}, "  Macro 1: loop count 258, events 0"},
        // Press and release of A, 50 ms each.
        {{0x00, 0x01, 0x05, 0x04, 0x85, 0x04}, "  Macro 1: loop count 1, events 2"},
        // A 2345 ms press in the long form, then a release.
        {{0x00, 0x01, 45, 0x04, 23, 0x03, 0x85, 0x04}, "  Macro 1: loop count 1, events 2"},
        // A press of an unknown key with no delay is two zero bytes inside the list.
        {{0x00, 0x01, 0x00, 0x00, 0x85, 0x04}, "  Macro 1: loop count 1, events 2"},
        {full_of_short_events, "  Macro 1: loop count 65535, events 63"},
        {garbage, "  Macro 1: loop count 65535, events 63"},
    };
    for (const Case& c : cases) {
        ProfileRecord record;
        std::ranges::copy(c.block, record.macro_block(0).begin());
        EXPECT_TRUE(HasLine(ReportLines({0, record}), c.line)) << c.line;
    }
}

// Whatever bytes a file holds, every section is there and no lookup leaves its table (the
// sanitizers watch the reads).
TEST(ProfileReport, HostileRecordsStillGiveTheWholeReport) {
    ProfileRecord all_ones;
    all_ones.bytes().fill(0xFF);
    ProfileRecord scrambled;
    std::uint32_t state = 12345;
    for (std::uint8_t& byte : scrambled.bytes()) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    for (const ProfileRecord& record : {all_ones, scrambled}) {
        const auto lines = ReportLines({0xFF, record});
        const auto count = [&](std::string_view prefix) {
            return std::ranges::count_if(
                lines, [&](const std::string& line) { return line.starts_with(prefix); });
        };
        EXPECT_EQ(count("  Button "), 2 * static_cast<std::ptrdiff_t>(kMouseButtonCount));
        EXPECT_EQ(count("Key matrix "), 2);
        EXPECT_EQ(count("  Stage "), static_cast<std::ptrdiff_t>(kDpiStageCount));
        EXPECT_EQ(count("  Macro "), static_cast<std::ptrdiff_t>(kMacroBlockCount));
        EXPECT_EQ(count("Pointer: "), 1);
    }
}

TEST(ProfileReport, KeyMatrixThreeComesFromModeB) {
    ProfileRecord record = FactoryProfile();
    SetType(record, 0, FunctionType::KeyOff);
    const auto lines = ReportLines({0, record});
    const auto matrix3 = std::ranges::find_if(
        lines, [](const std::string& line) { return line.starts_with("Key matrix 3 (Mode B):"); });
    ASSERT_NE(matrix3, lines.end());
    EXPECT_TRUE(matrix3->starts_with("Key matrix 3 (Mode B): 00000000 00f10001"));
}

}  // namespace
}  // namespace corvanti
