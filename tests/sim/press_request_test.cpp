#include "sim/press_request.h"

#include <fstream>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace corvanti {
namespace {

TEST(PressRequestTest, TakesWellFormedLinesAndSkipsTheRest) {
    const std::string text =
        "7 2\n"
        "  9\t12  \r\n"
        "5 1"  // no line end on the last line
        "\n"
        "8\n"      // value missing
        "8 1 3\n"  // extra number
        "256 1\n"  // out of range
        "x 1\n"    // not a number
        "-1 2\n"   // negative
        "82\n"     // no separator
        "\n";
    const std::vector<ButtonPress> expected = {{7, 2}, {9, 12}, {5, 1}};
    EXPECT_EQ(ParsePressRequests(text), expected);
}

TEST(PressRequestTest, FileIsConsumedOnce) {
    const testing::ScratchFolder scratch;
    const auto path = scratch / "press_request_test.press";
    std::ofstream(path) << "7 3\n";
    EXPECT_EQ(TakePressRequests(path), (std::vector<ButtonPress>{{7, 3}}));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(TakePressRequests(path).empty());
}

}  // namespace
}  // namespace corvanti
