#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile_record.h"

namespace corvanti {

// The keys of the profile's text form and the names it gives to codes. Export writes and
// import reads exactly these, so both live here.
namespace text_key {
inline constexpr std::string_view kFirstRunFlag = "first_run_flag";
inline constexpr std::string_view kShownKeyMode = "shown_key_mode";
inline constexpr std::string_view kReportRate = "report_rate";

inline constexpr std::string_view kButtonPrefix = "button";
inline constexpr std::string_view kFunction = "function";
inline constexpr std::string_view kKey = "key";
inline constexpr std::string_view kEntry = "entry";
inline constexpr std::string_view kModifier = "modifier";
inline constexpr std::string_view kKeys = "keys";
inline constexpr std::string_view kSpeed = "speed";
inline constexpr std::string_view kCount = "count";
inline constexpr std::string_view kMacro = "macro";
inline constexpr std::string_view kRepeat = "repeat";
inline constexpr std::string_view kDpiFunction = "dpi";

inline constexpr std::string_view kDpi = "dpi";
inline constexpr std::string_view kSensor = "sensor";
inline constexpr std::string_view kStagePrefix = "stage";
inline constexpr std::string_view kEnabled = "enabled";
inline constexpr std::string_view kLevel = "level";
inline constexpr std::string_view kDpiValue = "dpi";
inline constexpr std::string_view kColour = "colour";

inline constexpr std::string_view kLighting = "lighting";
inline constexpr std::string_view kMode = "mode";
inline constexpr std::array<std::string_view, kLightingModeCount> kLightingModeTables = {
    "standard", "respiration", "neon"};  // lighting modes 1-3
inline constexpr std::string_view kBrightness = "brightness";
inline constexpr std::string_view kPeriod = "period";
inline constexpr std::string_view kEffect = "effect";

inline constexpr std::string_view kPointer = "pointer";
inline constexpr std::string_view kPrecision = "precision";
inline constexpr std::string_view kScrollOneScreen = "scroll_one_screen";
inline constexpr std::string_view kPointerSpeed = "speed";
inline constexpr std::string_view kWheelLines = "wheel_lines";
inline constexpr std::string_view kDoubleClickSpeed = "double_click_speed";

inline constexpr std::string_view kMacroPrefix = "macro";
inline constexpr std::string_view kLoopCount = "loop_count";
inline constexpr std::string_view kEvents = "events";
inline constexpr std::string_view kPress = "press";
inline constexpr std::string_view kRelease = "release";
inline constexpr std::string_view kDelay = "delay";

inline constexpr std::string_view kRaw = "raw";
}  // namespace text_key

// The table of a key mode: "mode_a" or "mode_b".
std::string_view KeyModeTableName(KeyMode mode);
// "Mode A" or "Mode B", as the key page names them.
std::string_view KeyModeName(KeyMode mode);

// "button1" ... "button12" for slots 0-11, "stage1" ... for stages 0-3, "macro1" ... for
// blocks 0-11.
std::string NumberedKey(std::string_view prefix, std::size_t index);
// The index of such a key; nothing for another prefix, a number outside 1-`count` or text
// after the number.
std::optional<std::size_t> IndexOfNumberedKey(std::string_view key, std::string_view prefix,
                                              std::size_t count);

// Reports per second of a report-rate code, and back; nothing for a code or rate the mouse
// does not have.
std::optional<int> ReportsPerSecondOfCode(std::uint8_t code);
std::optional<std::uint8_t> ReportRateCodeOf(long long reports_per_second);

// The most levels a DPI stage can have: those of the twelve-level table (sensor type 0), which
// a record's level byte counts in whatever the mouse.
std::size_t MostDpiLevels();

// The English names of lighting modes 0-3 and lighting effects 0-3, as the lighting panel
// shows them.
const std::vector<std::string>& LightingModeNames();
const std::vector<std::string>& LightingEffectNames();

// The position of `name` among `names`, compared exactly; nothing when it is not there.
template <typename Names>
std::optional<std::size_t> PositionOfName(const Names& names, std::string_view name) {
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (std::string_view(names[i]) == name) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace corvanti
