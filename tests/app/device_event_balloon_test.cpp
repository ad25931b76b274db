#include "app/device_event_balloon.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

BalloonTexts EnglishTexts() {
    BalloonTexts texts;
    texts.report_rate = {"Switch report rate into 1000HZ", "Switch report rate into 500HZ",
                         "Switch report rate into 250HZ", "Switch report rate into 125HZ"};
    texts.dpi_stage = {"Switch DPI into the first stage ", "Switch DPI into the second stage ",
                       "Switch DPI into the third stage ", "Switch DPI into the fourth stage "};
    texts.key_matrix = {"Switch to key matrix 1", "Switch to key matrix 2"};
    texts.macro_key = "Switch to macro key";
    texts.detected = "The system detect the gaming mouse.";
    texts.not_detected = "The system did not detect the gaming mouse!";
    return texts;
}

ProfileRecord RecordWithLevels(std::uint8_t l1, std::uint8_t l2, std::uint8_t l3, std::uint8_t l4) {
    ProfileRecord record;
    record.set_dpi_level(0, l1);
    record.set_dpi_level(1, l2);
    record.set_dpi_level(2, l3);
    record.set_dpi_level(3, l4);
    return record;
}

TEST(BalloonForDeviceEvent, ShowsEveryRowOfTheTable) {
    const auto texts = EnglishTexts();
    const auto record = RecordWithLevels(0, 4, 7, 2);
    const struct {
        std::uint64_t code;
        std::int64_t value;
        Balloon balloon;
    } cases[] = {
        {5, 1, {"Switch report rate into 1000HZ", "Info", 5000}},
        {5, 2, {"Switch report rate into 500HZ", "Info", 5000}},
        {5, 4, {"Switch report rate into 250HZ", "Info", 5000}},
        {5, 8, {"Switch report rate into 125HZ", "Info", 5000}},
        {7, 1, {"Switch DPI into the first stage 600", "Info", 5000}},
        {7, 2, {"Switch DPI into the second stage 1600", "Info", 5000}},
        {7, 3, {"Switch DPI into the third stage 3200", "Info", 5000}},
        {7, 4, {"Switch DPI into the fourth stage 1000", "Info", 5000}},
        {8, 1, {"Switch to key matrix 1", "Info", 5000}},
        {8, 2, {"Switch to key matrix 2", "Info", 5000}},
        {9, 1, {"Switch to macro key1", "Info", 5000}},
        {9, 12, {"Switch to macro key12", "Info", 5000}},
        {9, 255, {"Switch to macro key255", "Info", 5000}},
        {14, 0, {"The system detect the gaming mouse.", "Info", 100}},
        {14, 77, {"The system detect the gaming mouse.", "Info", 100}},
        {15, 0, {"The system did not detect the gaming mouse!", "Warning", 100}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BalloonForDeviceEvent(c.code, c.value, texts, record, 1), c.balloon)
            << "event " << c.code << " value " << c.value;
    }
}

TEST(BalloonForDeviceEvent, IgnoresPairsOutsideTheTable) {
    const auto texts = EnglishTexts();
    const ProfileRecord record;
    const struct {
        std::uint64_t code;
        std::int64_t value;
    } ignored[] = {
        {5, 0}, {5, 3}, {5, 16}, {7, 0}, {7, 5},  {7, -1}, {8, 0},  {8, 3},
        {8, 4}, {9, 0}, {0, 0},  {6, 1}, {10, 1}, {13, 0}, {16, 0}, {0xFFFFFFFFFFFFFFFF, 1},
    };
    for (const auto& c : ignored) {
        EXPECT_FALSE(BalloonForDeviceEvent(c.code, c.value, texts, record, 0))
            << "event " << c.code << " value " << c.value;
    }
}

TEST(BalloonForDeviceEvent, DpiValueFollowsTheSensorTypeAndHostileLevels) {
    const auto texts = EnglishTexts();
    const auto record = RecordWithLevels(11, 8, 200, 0);
    // The twelve-level table of sensor type 0 reaches 4000; an eight-level sensor has no
    // level 12, and a level byte of 200 names nothing, so only the stage text remains.
    EXPECT_EQ(BalloonForDeviceEvent(7, 1, texts, record, 0).value_or(Balloon{}).text,
              "Switch DPI into the first stage 4000");
    EXPECT_EQ(BalloonForDeviceEvent(7, 2, texts, record, 2).value_or(Balloon{}).text,
              "Switch DPI into the second stage ");
    EXPECT_EQ(BalloonForDeviceEvent(7, 3, texts, record, 0).value_or(Balloon{}).text,
              "Switch DPI into the third stage ");
    EXPECT_EQ(BalloonForDeviceEvent(7, 4, texts, record, 7).value_or(Balloon{}).text,
              "Switch DPI into the fourth stage ");
}

}  // namespace
}  // namespace corvanti
