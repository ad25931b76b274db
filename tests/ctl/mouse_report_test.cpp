#include "ctl/mouse_report.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanti {
namespace {

TEST(MouseReport, ShowsEveryBlockOfTheMouse) {
    SimulatedMouseState state = FactoryMouseState(5);
    state.sensor_block = {5, 3, 0x01, 0x42};
    state.lighting_detail[1] = {0xAB, 0x00, 0x7F};
    state.dpi_stage_count = 2;
    state.dpi_stage_codes = {0x00, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
    state.key_matrices[3][0] = 0x12;
    state.key_matrices[3][63] = 0x34;
    // Matrix words are little-endian. Loop count 258, then a short event, a long event and a short
    // event.
    const std::uint8_t events[] = {0x01, 0x02, 0x04, 0x80, 0x05, 0x00, 0x10, 0x03, 0x04, 0x00};
    std::copy(std::begin(events), std::end(events), state.macros[11].begin());

    const std::string report = FormatMouseReport(state);
    const char* const lines[] = {
        "Sensor block: 05 03 01 42\n",
        "  Sensor type: 5\n",
        "  Report rate: code 3 (not a valid code)\n",
        "  Option 2: 0x42\n",
        "Lighting detail 2: ab 00 7f\n",
        "DPI stage count: 2\n",
        "DPI stage codes: 00 80 80 80 80 80 80 80\n",
        "Key matrix 4: 00000012 00000000 00000000 00000000 00000000 00000000 00000000 00000000 "
        "00000000 00000000 00000000 00000000 00000000 00000000 00000000 34000000\n",
        "  Macro 1: loop count 0, events 0\n",
        "  Macro 12: loop count 258, events 3\n",
    };
    for (const char* line : lines) {
        EXPECT_NE(report.find(line), std::string::npos) << line << "in\n" << report;
    }
}

}  // namespace
}  // namespace corvanti
