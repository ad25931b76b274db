#include "settings/win/windows_pointer_system.h"

#include <windows.h>

namespace corvanti::win {

namespace {

// Running programs hear of the change; the user's profile keeps it only for the double-click
// time.
constexpr UINT kAnnounce = SPIF_SENDCHANGE;
constexpr UINT kAnnounceAndKeep = SPIF_SENDCHANGE | SPIF_UPDATEINIFILE;

}  // namespace

std::optional<MouseParameters> WindowsPointerSystem::ReadMouseParameters() {
    int values[3] = {};
    if (!SystemParametersInfoW(SPI_GETMOUSE, 0, values, 0)) {
        return std::nullopt;
    }
    return MouseParameters{values[0], values[1], values[2]};
}

std::optional<int> WindowsPointerSystem::ReadPointerSpeed() {
    int speed = 0;
    if (!SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0)) {
        return std::nullopt;
    }
    return speed;
}

std::optional<std::uint32_t> WindowsPointerSystem::ReadWheelScrollLines() {
    UINT lines = 0;
    if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) {
        return std::nullopt;
    }
    return lines;
}

std::optional<std::uint32_t> WindowsPointerSystem::ReadDoubleClickTime() {
    const UINT time = GetDoubleClickTime();
    if (time == 0) {
        return std::nullopt;
    }
    return time;
}

bool WindowsPointerSystem::WriteMouseParameters(const MouseParameters& parameters) {
    int values[3] = {parameters.first_threshold, parameters.second_threshold,
                     parameters.acceleration};
    return SystemParametersInfoW(SPI_SETMOUSE, 0, values, kAnnounce) != FALSE;
}

bool WindowsPointerSystem::WritePointerSpeed(int speed) {
    // The speed travels in the pointer argument itself, not behind it. Some implementations
    // of the call take it from the other argument, which the documented form leaves unused, so
    // it goes in both.
    const auto value = static_cast<UINT>(speed);
    return SystemParametersInfoW(SPI_SETMOUSESPEED, value,
                                 reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                                 kAnnounce) != FALSE;
}

bool WindowsPointerSystem::WriteWheelScrollLines(std::uint32_t lines) {
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, kAnnounce) != FALSE;
}

bool WindowsPointerSystem::WriteDoubleClickTime(std::uint32_t milliseconds) {
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, kAnnounceAndKeep) !=
           FALSE;
}

}  // namespace corvanti::win
