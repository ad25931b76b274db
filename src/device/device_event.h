#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace corvanti {

// Codes of the device events the main window shows: the first four come from the mouse's own
// buttons, the last two from the link when the mouse is accepted or lost.
enum class DeviceEventCode : std::uint8_t {
    ReportRateSwitch = 5,
    DpiStageSwitch = 7,
    KeyMatrixSwitch = 8,
    MacroSwitch = 9,
    MouseDetected = 14,
    MouseNotDetected = 15,
};

struct DeviceEvent {
    DeviceEventCode code = DeviceEventCode::MouseNotDetected;
    std::uint8_t value = 0;
    bool operator==(const DeviceEvent&) const = default;
};

// Receives device events; on Windows it hands them to the main window.
class DeviceEventSink {
  public:
    virtual ~DeviceEventSink() = default;
    virtual void Deliver(DeviceEventCode code, std::uint8_t value) = 0;
};

// The event an event-channel input report carries, if any: report id 6, the code in byte 1
// (only switches of report rate, DPI stage, key matrix or macro count) and the value in byte 3.
std::optional<DeviceEvent> DecodeEventReport(std::span<const std::uint8_t> report);

}  // namespace corvanti
