#include "profile/key_name_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace corvanti {
namespace {

TEST(KeyNameTable, NamesGiveTheirUsages) {
    const std::pair<std::string_view, std::uint8_t> cases[] = {
        {"A", 0x04},          {"Z", 0x1D},
        {"1", 0x1E},          {"9", 0x26},
        {"0", 0x27},          {"Enter", 0x28},
        {"Esc", 0x29},        {"Space", 0x2C},
        {"\\", 0x31},         {"Eurpo(Note 2)", 0x32},
        {"`", 0x35},          {"/", 0x38},
        {"Caps Lock", 0x39},  {"F1", 0x3A},
        {"F12", 0x45},        {"Prnt Scrn", 0x46},
        {"Pause", 0x48},      {"Delete", 0x4C},
        {"Up", 0x52},         {"Num Lock", 0x53},
        {"Num Enter", 0x58},  {"Num 1", 0x59},
        {"Num 9", 0x61},      {"Num 0", 0x62},
        {"Num Del", 0x63},    {"Ctrl", 0xE0},
        {"Shift", 0xE1},      {"Left Windows", 0xE3},
        {"Right Ctrl", 0xE4}, {"Right Windows", 0xE7},
        {"L-Button", 0xF0},   {"M-Button", 0xF2},
    };
    for (const auto& [name, code] : cases) {
        EXPECT_EQ(KeyCodeOfName(name), code) << name;
        EXPECT_EQ(KeyNameOfCode(code), name);
    }
}

TEST(KeyNameTable, OnlyTheExactSpellingMatches) {
    for (std::string_view name : {"a", "esc", "ENTER", "Enter ", " Enter", "Num  1", "num 1",
                                  "Escape", "Return", "Control", "", "B4-Button"}) {
        EXPECT_EQ(KeyCodeOfName(name), 0) << '"' << name << '"';
    }
}

TEST(KeyNameTable, NamesAndCodesAreUnique) {
    std::set<std::string_view> names;
    std::set<std::uint8_t> codes;
    for (const KeyNameRow& row : KeyNameTable()) {
        names.insert(row.name);
        codes.insert(row.code);
        EXPECT_NE(row.code, 0) << row.name;
    }
    EXPECT_EQ(names.size(), kKeyNameCount);
    EXPECT_EQ(codes.size(), kKeyNameCount);
}

TEST(KeyNameTable, CodesWithoutANameShowNothing) {
    for (int code : {0x00, 0x03, 0x64, 0xE8, 0xF3, 0xFF}) {
        EXPECT_EQ(KeyNameOfCode(static_cast<std::uint8_t>(code)), "") << code;
    }
}

TEST(ModifierTable, NamesGiveReportBitsAndNothingElseMatches) {
    const std::pair<std::string_view, std::uint8_t> cases[] = {
        {"Left Ctrl", 0x01}, {"Left Shift", 0x02}, {"Left Alt", 0x04},
        {"Left Win", 0x08},  {"Right Ctrl", 0x10}, {"Right Shift", 0x20},
        {"Right Alt", 0x40}, {"Right Win", 0x80},  {"", 0},
        {"left shift", 0},   {"Ctrl", 0},          {"Left Windows", 0},
    };
    for (const auto& [name, mask] : cases) {
        EXPECT_EQ(ModifierMaskOfName(name), mask) << '"' << name << '"';
    }
    EXPECT_EQ(ModifierNameOfMask(0x20), "Right Shift");
    EXPECT_EQ(ModifierNameOfMask(0), "");
}

}  // namespace
}  // namespace corvanti
