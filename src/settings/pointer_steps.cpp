#include "settings/pointer_steps.h"

#include <algorithm>
#include <cstdint>

namespace corvanti {

namespace {

constexpr MouseParameters kPrecisionOn{6, 10, 1};
constexpr MouseParameters kPrecisionOff{0, 0, 0};

constexpr int kSlowestSpeed = 1;
constexpr int kSpeedPerStep = 2;

constexpr std::int64_t kSlowestDoubleClick = 900;
constexpr std::int64_t kDoubleClickPerStep = 70;

// Works in a wide signed type so that no system value can overflow on its way to a step.
std::uint8_t ClampedStep(std::int64_t step) {
    return static_cast<std::uint8_t>(
        std::clamp<std::int64_t>(step, kFirstPointerStep, kLastPointerStep));
}

int StepNumber(std::uint8_t step) {
    return ClampedStep(step);
}

}  // namespace

MouseParameters MouseParametersOf(bool precision) {
    return precision ? kPrecisionOn : kPrecisionOff;
}

bool PrecisionOf(const MouseParameters& parameters) {
    return parameters.acceleration != 0;
}

std::uint8_t PointerSpeedStep(int speed) {
    return ClampedStep(speed / kSpeedPerStep + 1);
}

int PointerSpeedOfStep(std::uint8_t step) {
    const int n = StepNumber(step);
    return n == kFirstPointerStep ? kSlowestSpeed : kSpeedPerStep * (n - 1);
}

std::uint8_t WheelLinesStep(std::uint32_t lines) {
    return ClampedStep(lines);
}

std::uint32_t WheelLinesOfStep(std::uint8_t step) {
    return static_cast<std::uint32_t>(StepNumber(step));
}

std::uint8_t DoubleClickStep(std::uint32_t milliseconds) {
    return ClampedStep((kSlowestDoubleClick - milliseconds) / kDoubleClickPerStep + 1);
}

std::uint32_t DoubleClickTimeOfStep(std::uint8_t step) {
    return static_cast<std::uint32_t>(kSlowestDoubleClick -
                                      kDoubleClickPerStep * (StepNumber(step) - 1));
}

}  // namespace corvanti
