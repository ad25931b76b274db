#include "profile_text/profile_text_import.h"

#include <gtest/gtest.h>

#include <string>

#include "profile/factory_profile.h"
#include "profile/key_function.h"
#include "profile_text/profile_text_export.h"

namespace corvanti {
namespace {

// One edited line of the factory profile's text shows up as exactly that change.
TEST(ProfileTextImport, AnEditedButtonChangesOnlyThatButton) {
    const ProfileFileContent factory{1, FactoryProfile()};
    std::string text = ExportProfileText(factory, std::nullopt);
    const std::string old_line = "button3 = { function = \"Mid Click\" }";
    const std::size_t at = text.find(old_line);
    ASSERT_NE(at, std::string::npos) << text;
    text.replace(
        at, old_line.size(),
        "button3 = { function = \"Combo Key\", modifier = \"Left Ctrl\", keys = [\"C\"] }");

    const ProfileTextImport edited = ImportProfileText(text);
    ASSERT_TRUE(edited.content) << edited.error.Describe();
    ProfileRecord expected = factory.record;
    expected.set_slot(KeyMode::A, SlotField::FunctionType, 2, 12);
    expected.set_slot(KeyMode::A, SlotField::ComboModifiers, 2, 0x01);
    expected.set_slot(KeyMode::A, SlotField::ComboFirstKey, 2, 0x06);
    EXPECT_EQ(edited.content->record, expected);
    EXPECT_EQ(BuildKeyMatrix(edited.content->record, KeyMode::A)[2 * 4 + 1], 0x01);
}

TEST(ProfileTextImport, FieldsLeftOutAreZeroAndParametersFillTheirListIndexes) {
    const ProfileTextImport result = ImportProfileText(
        "[mode_b]\n"
        "button2 = { function = \"Fire Key\", key = \"R-SHIFT\", speed = 5, count = 255 }\n"
        "button3 = { function = \"Windows\", entry = \"Browser-Home\" }\n"
        "button4 = { function = \"Macro Key\", macro = 3, repeat = \"Repeat until the key is "
        "released\" }\n"
        "[macro3]\nloop_count = 258\nevents = [{ press = \"B\", delay = 1271 }, "
        "{ release = \"B\", delay = 1270 }]\n");
    ASSERT_TRUE(result.content) << result.error.Describe();
    const ProfileRecord& record = result.content->record;
    const auto b = [&](SlotField field, std::size_t slot) {
        return record.slot(KeyMode::B, field, slot);
    };
    EXPECT_EQ(b(SlotField::FireKeyIndex, 1), 40);
    EXPECT_EQ(b(SlotField::FireKeyCode, 1), 0xE5);
    EXPECT_EQ(b(SlotField::WindowsIndex, 2), 5);
    EXPECT_EQ(b(SlotField::WindowsUsageLow, 2), 0x23);
    EXPECT_EQ(b(SlotField::WindowsUsageHigh, 2), 2);
    EXPECT_EQ(BuildKeyMatrix(record, KeyMode::B)[kKeyMatrixPositionOfSlot[3] * 4 + 1], 0x02)
        << "repeat mode 3 is stored 2";
    const std::uint8_t block[] = {0x01, 0x02, 71, 0x05, 12, 0x03, 0x80 | 127, 0x05, 0};
    EXPECT_TRUE(std::equal(std::begin(block), std::end(block), record.macro_block(2).begin()));
    EXPECT_EQ(record.report_rate_code(), 0);
    EXPECT_EQ(record.slot(KeyMode::A, SlotField::FunctionType, 0), 0);
    EXPECT_EQ(result.content->first_run_flag, 0);
}

struct BadText {
    const char* what;
    std::string text;
    std::size_t line;
    std::size_t column;
    std::string field;
    std::string message_part;
};

TEST(ProfileTextImport, BadTextIsRefusedWithItsPlaceAndField) {
    const BadText cases[] = {
        {"unknown key name", "[mode_a]\nbutton2 = { function = \"Single Key\", key = \"Esc2\" }\n",
         2, 44, "mode_a.button2.key", "\"Esc2\" is not a key name"},
        {"key name in other letter case",
         "[mode_a]\nbutton2 = { function = \"Single Key\", key = \"esc\" }\n", 2, 44,
         "mode_a.button2.key", "is not a key name"},
        {"unknown function", "[mode_a]\nbutton1 = { function = \"Left click\" }\n", 2, 24,
         "mode_a.button1.function", "choose one of \"Left Click\""},
        {"speed out of range",
         "[mode_b]\nbutton8 = { function = \"Fire Key\", key = \"A\", speed = 4 }\n", 2, 55,
         "mode_b.button8.speed", "4 is outside 5-255"},
        {"parameter of another function",
         "[mode_a]\nbutton1 = { function = \"Left Click\", key = \"A\" }\n", 2, 44,
         "mode_a.button1.key", "is not a parameter of \"Left Click\""},
        {"duplicate key", "report_rate = 500\nreport_rate = 1000\n", 2, 15, "", "redefin"},
        {"unknown field", "[pointer]\nsped = 3\n", 2, 1, "pointer.sped", "unknown field"},
        {"unknown table", "[macro13]\nloop_count = 1\n", 1, 2, "macro13", "unknown field"},
        {"report rate", "report_rate = 300\n", 1, 15, "report_rate",
         "300 is not 125, 250, 500 or 1000"},
        {"wrong type", "[pointer]\nprecision = 1\n", 2, 13, "pointer.precision", "true or false"},
        {"bad colour", "[dpi.stage2]\ncolour = \"#12345\"\n", 2, 10, "dpi.stage2.colour",
         "#rrggbb"},
        {"dpi without sensor", "[dpi.stage1]\ndpi = 800\n", 2, 7, "dpi.stage1.dpi", "dpi.sensor"},
        {"dpi the sensor lacks", "[dpi]\nsensor = 1\n[dpi.stage1]\ndpi = 900\n", 4, 7,
         "dpi.stage1.dpi", "sensor 1 has no level of 900 DPI"},
        {"dpi against level", "[dpi]\nsensor = 1\n[dpi.stage1]\nlevel = 3\ndpi = 800\n", 5, 7,
         "dpi.stage1.dpi", "800 DPI is level 2 of sensor 1, not level 3"},
        {"lighting period of another mode", "[lighting]\nneon = { period = \"5%\" }\n", 2, 19,
         "lighting.neon.period", "is not a period"},
        {"delay the block cannot keep", "[macro1]\nevents = [{ press = \"A\", delay = 55 }]\n", 2,
         34, "macro1.events[1].delay", "tens of milliseconds"},
        {"delay too long", "[macro1]\nevents = [{ press = \"A\", delay = 10001 }]\n", 2, 34,
         "macro1.events[1].delay", "outside 0-10000"},
        {"event with both actions", "[macro1]\nevents = [{ press = \"A\", release = \"A\" }]\n", 2,
         11, "macro1.events[1]", "either press"},
        {"macro longer than its block",
         "[macro2]\nevents = [" +
             [] {
                 std::string events;
                 for (int i = 0; i < 64; ++i) {
                     events += "{ press = \"A\", delay = 50 },";
                 }
                 return events;
             }() +
             "]\n",
         2, 10, "macro2.events", "these events need 128 bytes; a macro holds 126"},
        {"raw overlap", "[raw]\n0x0780 = \"0102\"\n0x0781 = \"03\"\n", 3, 10, "raw.0x0781",
         "overlaps bytes given under another raw key at 0x0781"},
        {"raw past the record", "[raw]\n0x07c0 = \"0102\"\n", 2, 10, "raw.0x07c0",
         "past the end of the record"},
        {"raw bad offset", "[raw]\n0x07c1 = \"01\"\n", 2, 10, "raw.0x07c1", "offset in the record"},
        {"combo with three keys",
         "[mode_a]\nbutton1 = { function = \"Combo Key\", keys = [\"A\", \"B\", \"C\"] }\n", 2, 44,
         "mode_a.button1.keys", "one or two keys"},
        {"button without function", "[mode_a]\nbutton1 = { key = \"A\" }\n", 2, 11,
         "mode_a.button1", "needs a function"},
        {"broken TOML", "[mode_a\n", 1, 8, "", ""},
        {"nothing but a comment", "# a profile\n", 1, 1, "", "holds no profile"},
        {"table header starting with no key", "[=]\n", 1, 2, "", "expected bare key"},
        {"control character in a table header", "[\x01]\n", 1, 2, "", ""},
        {"letter past ASCII after a value", "report_rate = 500\u00e9\n", 1, 18, "", ""},
        {"kana after a table header", "[pointer]\u30a2\n", 1, 10, "", ""},
        {"character before the byte order mark after a key", "a\ufb30= 1\n", 1, 2, "", ""},
    };
    for (const BadText& c : cases) {
        const ProfileTextImport result = ImportProfileText(c.text);
        EXPECT_FALSE(result.content) << c.what;
        EXPECT_EQ(result.error.line, c.line) << c.what << ": " << result.error.Describe();
        EXPECT_EQ(result.error.column, c.column) << c.what << ": " << result.error.Describe();
        EXPECT_EQ(result.error.field, c.field) << c.what << ": " << result.error.Describe();
        EXPECT_NE(result.error.message.find(c.message_part), std::string::npos)
            << c.what << ": " << result.error.Describe();
    }
}

}  // namespace
}  // namespace corvanti
