#pragma once

#include <cstdint>

namespace corvanti {

// The pointer settings are kept in the record as slider steps 1-11 and reach the system as its
// own values. Reading a system value that lies outside the slider's range gives the nearest
// step, so the slider always shows it; a stored step outside 1-11 is written as the nearest
// step's value.

inline constexpr std::uint8_t kFirstPointerStep = 1;
inline constexpr std::uint8_t kLastPointerStep = 11;

// Pointer acceleration thresholds and factor, as the system keeps them.
struct MouseParameters {
    int first_threshold = 0;
    int second_threshold = 0;
    int acceleration = 0;
    bool operator==(const MouseParameters&) const = default;
};

// "Enhance Pointer Precision" on or off.
MouseParameters MouseParametersOf(bool precision);
bool PrecisionOf(const MouseParameters& parameters);

// The wheel setting that scrolls a whole screen per notch.
inline constexpr std::uint32_t kPageScrolling = 0xFFFFFFFF;

// Pointer speed 1-20: step 1 is speed 1, step n speed 2n - 2; speed s reads as s / 2 + 1.
std::uint8_t PointerSpeedStep(int speed);
int PointerSpeedOfStep(std::uint8_t step);

// Wheel lines and steps are the same numbers.
std::uint8_t WheelLinesStep(std::uint32_t lines);
std::uint32_t WheelLinesOfStep(std::uint8_t step);

// Double-click time: step n is 900 - 70 (n - 1) ms; a time t reads as (900 - t) / 70 + 1.
std::uint8_t DoubleClickStep(std::uint32_t milliseconds);
std::uint32_t DoubleClickTimeOfStep(std::uint8_t step);

}  // namespace corvanti
