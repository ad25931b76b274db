#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "device/device_mirror.h"
#include "sim/simulated_mouse_state.h"

namespace corvanti {

// A readable account of what a simulated mouse holds: the sensor block with its report rate,
// the lighting and lighting-detail blocks, both settings blocks, the DPI stage count and codes,
// key matrices 1-4 word by word and every macro block's loop count and event count. One fact
// per line, so tools can grep it.
std::string FormatMouseReport(const SimulatedMouseState& state);

// The same account of what a real mouse lets the program read back into the mirror: every
// block above except the key matrices and DPI stages, which the mouse offers no read of (the
// account says so).
std::string FormatReadableMouseReport(const DeviceMirror& mirror);

// Bytes as hex, each after a space: " 02 0a ff".
std::string SpacedHexBytes(std::span<const std::uint8_t> bytes);

}  // namespace corvanti
