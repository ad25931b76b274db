#include "app/device_event_balloon.h"

#include <cstddef>
#include <utility>

#include "settings/dpi_values.h"

namespace corvanti {
namespace {

constexpr std::uint32_t kSwitchTimeoutMs = 5000;
// Found and lost mouse balloons ask for a short display; the system stretches it to its minimum.
constexpr std::uint32_t kDetectionTimeoutMs = 100;
constexpr const char* kInfoTitle = "Info";
constexpr const char* kWarningTitle = "Warning";

Balloon InfoBalloon(std::string text) {
    return {std::move(text), kInfoTitle, kSwitchTimeoutMs};
}

std::optional<Balloon> ReportRateBalloon(std::int64_t rate_code, const BalloonTexts& texts) {
    // Rate codes 1, 2, 4 and 8 stand for 1000, 500, 250 and 125 reports per second.
    switch (rate_code) {
        case 1:
            return InfoBalloon(texts.report_rate[0]);
        case 2:
            return InfoBalloon(texts.report_rate[1]);
        case 4:
            return InfoBalloon(texts.report_rate[2]);
        case 8:
            return InfoBalloon(texts.report_rate[3]);
        default:
            return std::nullopt;
    }
}

std::optional<Balloon> DpiStageBalloon(std::int64_t stage, const BalloonTexts& texts,
                                       const ProfileRecord& working, int sensor_type) {
    if (stage < 1 || stage > static_cast<std::int64_t>(kDpiStageCount)) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(stage - 1);
    return InfoBalloon(texts.dpi_stage[index] +
                       DpiValueText(sensor_type, working.dpi_level(index)));
}

std::optional<Balloon> KeyMatrixBalloon(std::int64_t matrix, const BalloonTexts& texts) {
    if (matrix == 1 || matrix == 2) {
        return InfoBalloon(texts.key_matrix[static_cast<std::size_t>(matrix - 1)]);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Balloon> BalloonForDeviceEvent(std::uint64_t code, std::int64_t value,
                                             const BalloonTexts& texts,
                                             const ProfileRecord& working, int sensor_type) {
    switch (code) {
        case kReportRateSwitchedEvent:
            return ReportRateBalloon(value, texts);
        case kDpiStageSwitchedEvent:
            return DpiStageBalloon(value, texts, working, sensor_type);
        case kKeyMatrixSwitchedEvent:
            return KeyMatrixBalloon(value, texts);
        case kMacroKeyEvent:
            if (value == 0) {
                return std::nullopt;
            }
            return InfoBalloon(texts.macro_key + std::to_string(value));
        case kMouseDetectedEvent:
            return Balloon{texts.detected, kInfoTitle, kDetectionTimeoutMs};
        case kMouseNotDetectedEvent:
            return Balloon{texts.not_detected, kWarningTitle, kDetectionTimeoutMs};
        default:
            return std::nullopt;
    }
}

}  // namespace corvanti
