#include "assign/fire_key_entry.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

struct NumberCase {
    std::string_view typed;
    int value;
    std::optional<std::string> shown_instead;
};

TEST(FireKeyEntryTest, SpeedOutside5To255BecomesFiveWhenTheBoxLosesTheFocus) {
    const NumberCase cases[] = {
        {"32", 32, std::nullopt},
        {"5", 5, std::nullopt},
        {"255", 255, std::nullopt},
        {"4", 5, "5"},
        {"0", 5, "5"},
        {"", 5, "5"},
        {"256", 5, "5"},
        {"12abc", 12, std::nullopt},  // read up to the first non-digit
        {"x12", 5, "5"},
        {"-7", 5, "5"},
        {"99999999999999999999999", 5, "5"},  // far past any integer
        {"007", 7, std::nullopt},
    };
    for (const NumberCase& c : cases) {
        FireKeyEntry entry;
        EXPECT_EQ(entry.OnSpeedFocusLost(c.typed), c.shown_instead) << c.typed;
        EXPECT_EQ(entry.choice().speed, c.value) << c.typed;
    }
}

TEST(FireKeyEntryTest, CountAbove255BecomesOneAndZeroRepeatsUntilRelease) {
    const NumberCase cases[] = {
        {"0", 0, std::nullopt},
        {"", 0, std::nullopt},
        {"255", 255, std::nullopt},
        {"256", 1, "1"},
        {"300", 1, "1"},
        {"99999999999", 1, "1"},
        {"12.5", 12, std::nullopt},
    };
    for (const NumberCase& c : cases) {
        FireKeyEntry entry;
        EXPECT_EQ(entry.OnCountChanged(c.typed), c.shown_instead) << c.typed;
        EXPECT_EQ(entry.choice().count, c.value) << c.typed;
    }
}

TEST(FireKeyEntryTest, TypingThreeHundredKeysThroughThreeAndThirtyToOne) {
    FireKeyEntry entry;
    EXPECT_EQ(entry.OnCountChanged("3"), std::nullopt);
    EXPECT_EQ(entry.choice().count, 3);
    EXPECT_EQ(entry.OnCountChanged("30"), std::nullopt);
    EXPECT_EQ(entry.choice().count, 30);
    EXPECT_EQ(entry.OnCountChanged("300"), "1");
    // Showing the replacement is one more change, which is valid and ends the loop.
    EXPECT_EQ(entry.OnCountChanged("1"), std::nullopt);
    EXPECT_EQ(entry.choice().count, 1);
}

TEST(FireKeyEntryTest, StartsFromTheDefaultsAndTakesTheChosenKey) {
    FireKeyEntry entry;
    EXPECT_EQ(entry.choice().key_index, 0);
    EXPECT_EQ(entry.choice().key_text, "A");
    EXPECT_EQ(entry.InitialSpeedText(), "32");
    EXPECT_EQ(entry.InitialCountText(), "1");
    entry.OnKeyChosen(54, "L-Button");
    entry.OnSpeedFocusLost("200");
    entry.OnCountChanged("0");
    const FireKeyChoice& choice = entry.choice();
    EXPECT_EQ(choice.key_index, 54);
    EXPECT_EQ(choice.key_text, "L-Button");
    EXPECT_EQ(choice.speed, 200);
    EXPECT_EQ(choice.count, 0);
}

}  // namespace
}  // namespace corvanti
