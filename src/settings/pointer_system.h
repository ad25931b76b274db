#pragma once

#include <cstdint>
#include <optional>

#include "settings/pointer_steps.h"

namespace corvanti {

// The system's pointer settings. The Windows side reads and writes them through the system
// parameters and the double-click functions; tests use a fake.
class PointerSystem {
  public:
    virtual ~PointerSystem() = default;

    // Each read gives nothing when the system refuses it.
    virtual std::optional<MouseParameters> ReadMouseParameters() = 0;
    virtual std::optional<int> ReadPointerSpeed() = 0;
    // kPageScrolling when the wheel scrolls a screen per notch.
    virtual std::optional<std::uint32_t> ReadWheelScrollLines() = 0;
    // Nothing when the system reports a time of 0.
    virtual std::optional<std::uint32_t> ReadDoubleClickTime() = 0;

    // Each write returns whether the system took the value. The first three are announced to
    // running programs but not kept in the user's profile; the double-click time is announced
    // and kept.
    virtual bool WriteMouseParameters(const MouseParameters& parameters) = 0;
    virtual bool WritePointerSpeed(int speed) = 0;
    virtual bool WriteWheelScrollLines(std::uint32_t lines) = 0;
    virtual bool WriteDoubleClickTime(std::uint32_t milliseconds) = 0;
};

}  // namespace corvanti
