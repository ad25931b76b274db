#include "settings/pointer_settings.h"

#include <string_view>

namespace corvanti {

namespace {

constexpr std::string_view kSetParametersFailed = "SETMOUSE failed.";
constexpr std::string_view kSetSpeedFailed = "SETMOUSESPEED failed.";
constexpr std::string_view kSetWheelLinesFailed = "SETWHEELSCROLLLINES failed.";
constexpr std::string_view kSetDoubleClickFailed = "SPI_SETDOUBLECLICKTIME failed.";
constexpr std::string_view kGetSpeedFailed = "GETMOUSESPEED failed.";
constexpr std::string_view kGetWheelLinesFailed = "GETWHEELSCROLLLINES failed.";
constexpr std::string_view kGetDoubleClickFailed = "GetDoubleClickTime failed.";

// What "Default" gives the system: the values of a freshly installed system.
constexpr int kDefaultSpeed = 10;
constexpr std::uint32_t kDefaultWheelLines = 3;
constexpr std::uint32_t kDefaultDoubleClickTime = 500;

// Page scrolling leaves the scroll slider without a lit cell.
constexpr std::uint8_t kNoWheelStep = 0;

}  // namespace

PointerSettings::PointerSettings(ProfileRecord& record, PointerSystem& system,
                                 UserMessages& messages)
    : record_(record), system_(system), messages_(messages) {}

DrawList PointerSettings::ShowPage() {
    if (!read_from_system_) {
        ReadFromSystem();
        read_from_system_ = true;
    }
    return DrawPointerPanel(record_);
}

DrawList PointerSettings::ClickSlider(PointerSlider slider, int cell) {
    if (cell < 1 || cell > kPointerSliderCells) {
        return {};
    }
    const auto step = static_cast<std::uint8_t>(cell);
    switch (slider) {
        case PointerSlider::Speed:
            record_.set_pointer_speed(step);
            break;
        case PointerSlider::Scrolling:
            record_.set_wheel_lines(step);
            break;
        case PointerSlider::DoubleClick:
            record_.set_double_click_speed(step);
            break;
    }
    return DrawPointerSlider(slider, cell);
}

DrawList PointerSettings::ClickTick(PointerTick tick) {
    bool on = false;
    if (tick == PointerTick::Precision) {
        on = !record_.pointer_precision();
        record_.set_pointer_precision(on);
    } else {
        on = !record_.scroll_one_screen();
        record_.set_scroll_one_screen(on);
    }
    return {DrawPointerTick(tick, on)};
}

void PointerSettings::WriteToSystem() {
    Write({MouseParametersOf(record_.pointer_precision()),
           PointerSpeedOfStep(record_.pointer_speed()),
           record_.scroll_one_screen() ? kPageScrolling : WheelLinesOfStep(record_.wheel_lines()),
           DoubleClickTimeOfStep(record_.double_click_speed())});
}

DrawList PointerSettings::RestoreDefaults() {
    Write({MouseParametersOf(false), kDefaultSpeed, kDefaultWheelLines, kDefaultDoubleClickTime});
    ApplyDefaultPointerSettings(record_);
    return DrawPointerPanel(record_);
}

void PointerSettings::ReadFromSystem() {
    // Without its parameters the system is taken to run without precision, silently.
    const auto parameters = system_.ReadMouseParameters();
    record_.set_pointer_precision(parameters && PrecisionOf(*parameters));

    const auto speed = system_.ReadPointerSpeed();
    WarnUnless(speed.has_value(), kGetSpeedFailed);
    record_.set_pointer_speed(PointerSpeedStep(speed.value_or(0)));

    const auto lines = system_.ReadWheelScrollLines();
    WarnUnless(lines.has_value(), kGetWheelLinesFailed);
    const bool page_scrolling = lines == kPageScrolling;
    record_.set_scroll_one_screen(page_scrolling);
    record_.set_wheel_lines(page_scrolling ? kNoWheelStep : WheelLinesStep(lines.value_or(0)));

    const auto time = system_.ReadDoubleClickTime();
    WarnUnless(time.has_value(), kGetDoubleClickFailed);
    record_.set_double_click_speed(DoubleClickStep(time.value_or(0)));
}

void PointerSettings::Write(const SystemValues& values) {
    WarnUnless(system_.WriteMouseParameters(values.parameters), kSetParametersFailed);
    WarnUnless(system_.WritePointerSpeed(values.speed), kSetSpeedFailed);
    WarnUnless(system_.WriteWheelScrollLines(values.wheel_lines), kSetWheelLinesFailed);
    WarnUnless(system_.WriteDoubleClickTime(values.double_click_time), kSetDoubleClickFailed);
}

void PointerSettings::WarnUnless(bool succeeded, std::string_view failure_text) {
    if (!succeeded) {
        messages_.ShowMessage(failure_text, kWarningCaption);
    }
}

}  // namespace corvanti
