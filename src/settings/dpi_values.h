#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace corvanti {

// The sensor type the mouse reports selects how many DPI levels a stage has and which DPI
// value each level stands for.

// 8 for sensor types 1, 2 and 3; 12 for every other type.
std::size_t DpiLevelCount(int sensor_type);

// The DPI value of a 0-based level as text ("1600") for sensor types 0 (the twelve-level
// table), 1, 2 and 3. Empty for any other sensor type and for a level past the sensor's table,
// so a stale level byte from a file never reads past the table.
std::string DpiValueText(int sensor_type, std::size_t level);

// The same value as a number; nothing where the text is empty.
std::optional<int> DpiValue(int sensor_type, std::size_t level);

}  // namespace corvanti
