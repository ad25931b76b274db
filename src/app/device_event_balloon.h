#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "profile/profile_record.h"

namespace corvanti {

// Codes of the device events that reach the main window (wParam of the device-event message).
inline constexpr std::uint64_t kReportRateSwitchedEvent = 5;
inline constexpr std::uint64_t kDpiStageSwitchedEvent = 7;
inline constexpr std::uint64_t kKeyMatrixSwitchedEvent = 8;
inline constexpr std::uint64_t kMacroKeyEvent = 9;
inline constexpr std::uint64_t kMouseDetectedEvent = 14;
inline constexpr std::uint64_t kMouseNotDetectedEvent = 15;

// The language texts a balloon can show, in the current language.
struct BalloonTexts {
    std::array<std::string, 4> report_rate;  // 1000, 500, 250 and 125 reports per second
    std::array<std::string, 4> dpi_stage;    // stages 1-4, each ending where the value follows
    std::array<std::string, 2> key_matrix;   // key matrices 1 and 2
    std::string macro_key;
    std::string detected;
    std::string not_detected;
};

struct Balloon {
    std::string text;
    std::string title;  // "Info" or "Warning"
    std::uint32_t timeout_ms = 0;
    bool operator==(const Balloon&) const = default;
};

// The balloon for one device event (code, value), or nothing for a pair the table does not
// know. A DPI stage balloon names the DPI value of the level that the working record holds for
// that stage, read through the sensor type.
std::optional<Balloon> BalloonForDeviceEvent(std::uint64_t code, std::int64_t value,
                                             const BalloonTexts& texts,
                                             const ProfileRecord& working, int sensor_type);

}  // namespace corvanti
