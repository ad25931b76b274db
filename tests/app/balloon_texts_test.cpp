#include "app/balloon_texts.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(BalloonTextsFrom, BalloonsSpeakTheChosenLanguage) {
    const ProfileRecord record;
    const auto english = BalloonTextsFrom(LanguageTexts(Language::English));
    EXPECT_EQ(BalloonForDeviceEvent(7, 2, english, record, 0).value_or(Balloon{}).text,
              "Switch DPI into the second stage 250");
    EXPECT_EQ(BalloonForDeviceEvent(5, 8, english, record, 0).value_or(Balloon{}).text,
              "Switch report rate into 125HZ");
    EXPECT_EQ(BalloonForDeviceEvent(8, 2, english, record, 0).value_or(Balloon{}).text,
              "Switch to key matrix 2");
    EXPECT_EQ(BalloonForDeviceEvent(14, 0, english, record, 0).value_or(Balloon{}).text,
              "The system detect the gaming mouse.");

    const auto chinese = BalloonTextsFrom(LanguageTexts(Language::SimplifiedChinese));
    EXPECT_EQ(BalloonForDeviceEvent(9, 3, chinese, record, 0).value_or(Balloon{}).text,
              "\xE5\x88\x87\xE6\x8D\xA2\xE5\x88\xB0\xE5\xAE\x8F"
              "3");  // "Switch to macro key" in Simplified Chinese, then the number
    EXPECT_EQ(BalloonForDeviceEvent(15, 0, chinese, record, 0).value_or(Balloon{}).title,
              "Warning");
}

}  // namespace
}  // namespace corvanti
