#include "sim/simulated_mouse_state.h"

#include <fstream>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace corvanti {
namespace {

SimulatedMouseState DistinctState() {
    SimulatedMouseState state = FactoryMouseState(3);
    state.settings[0][23] = 0xA5;
    state.key_matrices[3][63] = 0x5A;
    state.macros[11][127] = 0x7F;
    state.macros[0][0] = 0x01;
    state.dpi_stage_count = 2;
    return state;
}

TEST(SimulatedMouseStateTest, FactoryStateIsPlausible) {
    const SimulatedMouseState state = FactoryMouseState(2);
    EXPECT_EQ(state.sensor_type(), 2);
    EXPECT_EQ(state.report_rate(), 1);
    EXPECT_EQ(state.dpi_stage_count, 4);
    EXPECT_NE(state.lighting, SimulatedMouseState::LightingBlock{});
    EXPECT_NE(state.key_matrices[0], KeyMatrix{});
    EXPECT_EQ(state.key_matrices[1], KeyMatrix{});
}

TEST(SimulatedMouseStateTest, TextRoundTripKeepsEveryByte) {
    const SimulatedMouseState state = DistinctState();
    const std::string text = FormatMouseState(state);
    EXPECT_NE(text.find("\nlighting 010302\n"), std::string::npos);
    std::string error;
    const auto parsed = ParseMouseState(text, error);
    ASSERT_TRUE(parsed.has_value()) << error;
    EXPECT_EQ(*parsed, state);
}

TEST(SimulatedMouseStateTest, RejectsMalformedText) {
    const std::string good = FormatMouseState(DistinctState());
    const auto replace = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"missing block", replace("lighting 010302\n", "")},
        {"unknown block", good + "turbo 01\n"},
        {"block twice", good + "lighting 010302\n"},
        {"short block", replace("lighting 010302", "lighting 0103")},
        {"long block", replace("lighting 010302", "lighting 01030200")},
        {"not hex", replace("lighting 010302", "lighting 01030z")},
        {"no value", replace("lighting 010302", "lighting")},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseMouseState(c.text, error).has_value()) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

TEST(SimulatedMouseStateTest, FileRoundTripAndOversizedFile) {
    const testing::ScratchFolder scratch;
    const auto path = scratch / "mouse_state_test.state";
    const SimulatedMouseState state = DistinctState();
    ASSERT_FALSE(SaveMouseState(path, state));
    std::string error;
    EXPECT_EQ(LoadMouseState(path, error), state) << error;

    std::ofstream(path) << std::string(1 << 20, '#');
    EXPECT_FALSE(LoadMouseState(path, error).has_value());
}

}  // namespace
}  // namespace corvanti
