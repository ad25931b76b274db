#include <gtest/gtest.h>

#include <string>

#include "profile/factory_profile.h"
#include "profile_text/profile_text_export.h"
#include "profile_text/profile_text_import.h"
#include "profile_text/random_profile.h"
#include "profile_text/raw_bytes.h"

namespace corvanti {
namespace {

constexpr int kRounds = 300;

bool IsReservedByte(std::size_t offset) {
    return (offset >= kReservedHeadOffset && offset < kReservedHeadOffset + kReservedHeadSize) ||
           offset == kReservedAfterRateOffset || offset == kReservedAfterLightingOffset;
}

// Whether every byte under [raw] is a reserved one: what the program can write has a name.
bool RawHoldsOnlyReservedBytes(const ProfileDocument& document) {
    for (const TextSection& section : document.sections) {
        if (section.name != "raw") {
            continue;
        }
        for (const TextField& field : section.fields) {
            const auto offset = RawOffsetOfKey(field.key);
            const std::size_t size = field.value.text.size() / 2;
            for (std::size_t i = 0; offset && i < size; ++i) {
                if (!IsReservedByte(*offset + i)) {
                    return false;
                }
            }
        }
    }
    return true;
}

void ExpectRoundTrip(const ProfileFileContent& content, std::optional<std::uint8_t> sensor,
                     const char* what, int round) {
    const ProfileDocument document = ProfileTextDocument(content, sensor);
    const std::string text = WriteToml(document);
    const ProfileTextImport back = ImportProfileText(text);
    ASSERT_TRUE(back.content) << what << " round " << round << ": " << back.error.Describe() << "\n"
                              << text;
    EXPECT_EQ(back.content->first_run_flag, content.first_run_flag) << what << " round " << round;
    EXPECT_EQ(back.content->record, content.record) << what << " round " << round << "\n" << text;
}

// Half of the rounds give the sensor, so that DPI values are written and read back too.
TEST(ProfileTextRoundTrip, EveryRecordTheProgramCanWriteComesBackByItsNames) {
    testing::RandomProfiles profiles(20261210);
    for (int round = 0; round < kRounds; ++round) {
        const ProfileFileContent content = profiles.Next();
        const std::optional<std::uint8_t> sensor =
            round % 2 == 0 ? std::nullopt : std::optional(static_cast<std::uint8_t>(round % 4));
        ExpectRoundTrip(content, sensor, "valid record", round);
        ASSERT_TRUE(RawHoldsOnlyReservedBytes(ProfileTextDocument(content, sensor)))
            << "round " << round << "\n"
            << ExportProfileText(content, sensor);
    }
}

TEST(ProfileTextRoundTrip, AnyBytesAtAllComeBackThroughRaw) {
    testing::RandomProfiles profiles(7);
    for (int round = 0; round < kRounds; ++round) {
        ExpectRoundTrip(profiles.AnyBytes(), std::nullopt, "any bytes", round);
    }
    ExpectRoundTrip(ProfileFileContent{}, std::nullopt, "all zero", 0);
}

TEST(ProfileTextRoundTrip, TheFactoryProfileReadsAsTheProgramShowsIt) {
    const ProfileFileContent factory{0, FactoryProfile()};
    ExpectRoundTrip(factory, std::nullopt, "factory", 0);
    const std::string text = ExportProfileText(factory, 1);
    const std::string expected_lines[] = {
        "first_run_flag = 0",
        "shown_key_mode = \"Mode A\"",
        "report_rate = 1000",
        "[mode_a]\nbutton1 = { function = \"Left Click\" }\n",
        "button4 = { function = \"DPI Switch\", dpi = \"DPI Loop\" }\n",
        "button5 = { function = \"Multimedia\", entry = \"Previous\" }\n",
        "button8 = { function = \"Fire Key\", key = \"L-Button\", speed = 34, count = 0 }\n",
        "button9 = { function = \"Windows\", entry = \"My Computer\" }\n",
        "button11 = { function = \"Key Off\" }\n",
        "[dpi]\nsensor = 1",
        "[dpi.stage1]\nenabled = true\nlevel = 2\ndpi = 800\ncolour = \"#ff0000\"\n",
        "mode = \"Standard\"\nstandard = { brightness = \"100%\", effect = \"RGB Fixed On\" }\n",
        "respiration = { period = \"6S\", effect = \"RGB Effect\" }\n",
        "neon = { period = \"2S\", effect = \"RGB Flash\" }\n",
        "[pointer]\nprecision = false\nscroll_one_screen = false\nspeed = 6\nwheel_lines = 3\n"
        "double_click_speed = 6\n",
    };
    for (const std::string& line : expected_lines) {
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n---\n" << text;
    }
    EXPECT_EQ(text.find("\n[raw]\n"), std::string::npos)
        << "the factory profile has a name for all";
    EXPECT_EQ(text.find("\n[macro"), std::string::npos) << "its macros are empty";
    EXPECT_TRUE(text.starts_with("# Corvanti-Tarn mouse profile")) << text;
}

}  // namespace
}  // namespace corvanti
