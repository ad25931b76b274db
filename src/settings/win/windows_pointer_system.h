#pragma once

#include "settings/pointer_system.h"

namespace corvanti::win {

// The pointer settings of the running Windows session, through SystemParametersInfoW and
// GetDoubleClickTime.
class WindowsPointerSystem final : public PointerSystem {
  public:
    std::optional<MouseParameters> ReadMouseParameters() override;
    std::optional<int> ReadPointerSpeed() override;
    std::optional<std::uint32_t> ReadWheelScrollLines() override;
    std::optional<std::uint32_t> ReadDoubleClickTime() override;

    bool WriteMouseParameters(const MouseParameters& parameters) override;
    bool WritePointerSpeed(int speed) override;
    bool WriteWheelScrollLines(std::uint32_t lines) override;
    bool WriteDoubleClickTime(std::uint32_t milliseconds) override;
};

}  // namespace corvanti::win
