#pragma once

#include <string>

#include "sim/simulated_mouse_state.h"

namespace corvanti {

// A readable account of what a simulated mouse holds: the sensor block with its report rate,
// the lighting and lighting-detail blocks, both settings blocks, the DPI stage count and codes,
// key matrices 1-4 word by word and every macro block's loop count and event count. One fact
// per line, so tools can grep it.
std::string FormatMouseReport(const SimulatedMouseState& state);

}  // namespace corvanti
