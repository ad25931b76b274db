#include "device/device_event.h"

#include "device/command_packet.h"

namespace corvanti {

namespace {

constexpr std::size_t kCodeByte = 1;
constexpr std::size_t kValueByte = 3;

bool IsSwitchEvent(std::uint8_t code) {
    switch (static_cast<DeviceEventCode>(code)) {
        case DeviceEventCode::ReportRateSwitch:
        case DeviceEventCode::DpiStageSwitch:
        case DeviceEventCode::KeyMatrixSwitch:
        case DeviceEventCode::MacroSwitch:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::optional<DeviceEvent> DecodeEventReport(std::span<const std::uint8_t> report) {
    if (report.size() <= kCodeByte || report[0] != kEventReportId ||
        !IsSwitchEvent(report[kCodeByte])) {
        return std::nullopt;
    }
    const std::uint8_t value = report.size() > kValueByte ? report[kValueByte] : 0;
    return DeviceEvent{static_cast<DeviceEventCode>(report[kCodeByte]), value};
}

}  // namespace corvanti
