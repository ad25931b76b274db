#include "sim/fault_request.h"

#include <fstream>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace corvanti {
namespace {

TEST(FaultRequestTest, TakesTheKnownWordsAloneOnTheirLinesAndSkipsTheRest) {
    const std::string text =
        "unplug\n"
        "  replug \r\n"
        "silent\n"
        "Answer\n"      // words are exact
        "unplug now\n"  // nothing else on the line
        "7 2\n"         // a press request is not a fault
        "\n"
        "answer";  // no line end on the last line
    const std::vector<FaultRequest> expected = {FaultRequest::Unplug, FaultRequest::Replug,
                                                FaultRequest::Silent, FaultRequest::Answer};
    EXPECT_EQ(ParseFaultRequests(text), expected);
}

TEST(FaultRequestTest, FileIsConsumedOnce) {
    const testing::ScratchFolder scratch;
    const auto path = scratch / "fault_request_test.fault";
    std::ofstream(path) << "silent\n";
    EXPECT_EQ(TakeFaultRequests(path), (std::vector<FaultRequest>{FaultRequest::Silent}));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(TakeFaultRequests(path).empty());
}

}  // namespace
}  // namespace corvanti
