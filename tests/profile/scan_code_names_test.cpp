#include "profile/scan_code_names.h"

#include <gtest/gtest.h>

#include "profile/key_name_table.h"

namespace corvanti {
namespace {

TEST(ScanCodeNames, KeysGetTheTablesSpelling) {
    struct Case {
        std::uint8_t scan_code;
        bool extended;
        std::string_view name;
    };
    const Case cases[] = {
        {0x01, false, "Esc"},
        {0x1C, false, "Enter"},
        {0x1C, true, "Num Enter"},
        {0x1D, false, "Ctrl"},
        {0x1D, true, "Right Ctrl"},
        {0x2A, false, "Shift"},
        {0x36, false, "Right Shift"},
        {0x38, false, "Alt"},
        {0x38, true, "Right Alt"},
        {0x5B, true, "Left Windows"},
        {0x5C, true, "Right Windows"},
        {0x37, true, "Prnt Scrn"},
        {0x37, false, "Num *"},
        {0x35, false, "/"},
        {0x35, true, "Num /"},
        {0x47, false, "Num 7"},
        {0x47, true, "Home"},
        {0x49, false, "Num 9"},
        {0x49, true, "Page Up"},
        {0x51, true, "Page Down"},
        {0x52, false, "Num 0"},
        {0x52, true, "Insert"},
        {0x53, false, "Num Del"},
        {0x53, true, "Delete"},
        {0x48, false, "Num 8"},
        {0x48, true, "Up"},
        {0x4B, true, "Left"},
        {0x4D, true, "Right"},
        {0x50, true, "Down"},
        {0x4F, true, "End"},
        {0x45, true, "Num Lock"},
        {0x45, false, "Pause"},
        {0x46, false, "Scroll Lock"},
        {0x3B, false, "F1"},
        {0x44, false, "F10"},
        {0x57, false, "F11"},
        {0x58, false, "F12"},
        {0x1E, false, "A"},
        {0x2C, false, "Z"},
        {0x10, false, "Q"},
        {0x02, false, "1"},
        {0x0B, false, "0"},
        {0x0C, false, "-"},
        {0x0D, false, "="},
        {0x29, false, "`"},
        {0x2B, false, "\\"},
        {0x27, false, ";"},
        {0x28, false, "'"},
        {0x33, false, ","},
        {0x34, false, "."},
        {0x1A, false, "["},
        {0x0E, false, "Backspace"},
        {0x0F, false, "Tab"},
        {0x39, false, "Space"},
        {0x3A, false, "Caps Lock"},
        {0x4A, false, "Num -"},
        {0x4E, false, "Num +"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyNameOfScanCode(c.scan_code, c.extended), c.name)
            << std::hex << int{c.scan_code} << (c.extended ? " extended" : "");
    }
}

TEST(ScanCodeNames, KeysOutsideTheTableKeepAReadableNameAndCodeZero) {
    EXPECT_EQ(KeyNameOfScanCode(0x59, false), "Scan 0x59");
    EXPECT_EQ(KeyNameOfScanCode(0x5D, true), "Scan 0xE05D");  // the menu key
    EXPECT_EQ(KeyNameOfScanCode(0x00, false), "Scan 0x00");
    EXPECT_EQ(KeyCodeOfName(KeyNameOfScanCode(0x5D, true)), 0);
}

// Whatever a hook delivers, the name is either one the table knows or a readable stand-in:
// never a name that silently turns into code 0.
TEST(ScanCodeNames, EveryNameIsInTheTableOrMarkedUnnamed) {
    for (unsigned scan_code = 0; scan_code < 256; ++scan_code) {
        for (bool extended : {false, true}) {
            const std::string name =
                KeyNameOfScanCode(static_cast<std::uint8_t>(scan_code), extended);
            EXPECT_TRUE(KeyCodeOfName(name) != 0 || name.starts_with("Scan 0x"))
                << name << " from " << scan_code;
        }
    }
}

TEST(ScanCodeNames, KeyMessageBitsBeyondScanCodeAndExtendedAreIgnored) {
    EXPECT_EQ(KeyNameOfKeyMessage(0x011C0001u), "Num Enter");
    EXPECT_EQ(KeyNameOfKeyMessage(0x001C0001u), "Enter");
    // Repeat count, context, previous-state and transition bits set.
    EXPECT_EQ(KeyNameOfKeyMessage(0xE001FFFFu), "Esc");
    EXPECT_EQ(KeyNameOfKeyMessage(0xE15B0001u), "Left Windows");
}

}  // namespace
}  // namespace corvanti
