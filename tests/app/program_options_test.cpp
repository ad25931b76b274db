#include "app/program_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvanti {
namespace {

TEST(ParseProgramOptions, TakesTheTwoSwitchesAndIgnoresEverythingElse) {
    const std::vector<std::string> arguments = {
        "/background",        "--simulated-mouse=C:\\demo\\mouse state.txt",
        "--traffic=wire.log",
        "--simulated-mouse",  // no value: not the switch
        "-simulated-mouse=x", "--Traffic=other.log"};
    const auto options = ParseProgramOptions(arguments);
    EXPECT_TRUE(options.uses_simulated_mouse());
    EXPECT_EQ(options.simulated_mouse_state, "C:\\demo\\mouse state.txt");
    EXPECT_EQ(options.traffic_log, "wire.log");
}

TEST(ParseProgramOptions, WithoutTheSwitchTheRealMouseIsUsed) {
    const std::vector<std::string> arguments = {"--simulated-mouse=", "--traffic=wire.log"};
    const auto options = ParseProgramOptions(arguments);
    EXPECT_FALSE(options.uses_simulated_mouse());
    EXPECT_FALSE(ParseProgramOptions({}).uses_simulated_mouse());
}

}  // namespace
}  // namespace corvanti
