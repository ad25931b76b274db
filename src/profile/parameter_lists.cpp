#include "profile/parameter_lists.h"

#include <array>

namespace corvanti {

namespace {

constexpr std::array<FireKeyRow, kFireKeyCount> kFireKeys = {{
    {"A", 0x04},
    {"B", 0x05},
    {"C", 0x06},
    {"D", 0x07},
    {"E", 0x08},
    {"F", 0x09},
    {"G", 0x0A},
    {"H", 0x0B},
    {"I", 0x0C},
    {"J", 0x0D},
    {"K", 0x0E},
    {"L", 0x0F},
    {"M", 0x10},
    {"N", 0x11},
    {"O", 0x12},
    {"P", 0x13},
    {"Q", 0x14},
    {"R", 0x15},
    {"S", 0x16},
    {"T", 0x17},
    {"U", 0x18},
    {"V", 0x19},
    {"W", 0x1A},
    {"X", 0x1B},
    {"Y", 0x1C},
    {"Z", 0x1D},
    {"1", 0x1E},
    {"2", 0x1F},
    {"3", 0x20},
    {"4", 0x21},
    {"5", 0x22},
    {"6", 0x23},
    {"7", 0x24},
    {"8", 0x25},
    {"9", 0x26},
    {"0", 0x27},
    {"L-CTRL", 0xE0},
    {"L-SHIFT", 0xE1},
    {"L-ALT", 0xE2},
    {"R-CTRL", 0xE4},
    {"R-SHIFT", 0xE5},
    {"R-ALT", 0xE6},
    {"F1", 0x3A},
    {"F2", 0x3B},
    {"F3", 0x3C},
    {"F4", 0x3D},
    {"F5", 0x3E},
    {"F6", 0x3F},
    {"F7", 0x40},
    {"F8", 0x41},
    {"F9", 0x42},
    {"F10", 0x43},
    {"F11", 0x44},
    {"F12", 0x45},
    {"L-Button", 0xF0},
    {"R-Button", 0xF1},
    {"M-Button", 0xF2},
    {"B4-Button", 0xF3},
    {"B5-Button", 0xF4},
    {"L-Tilt Wheel", 0xF5},
    {"R-Tilt Wheel", 0xF6},
}};

constexpr std::array<MultimediaRow, kMultimediaCount> kMultimedia = {{
    {"Next", 0xB5},
    {"Previous", 0xB6},
    {"Stop", 0xB7},
    {"Play/Pause", 0xCD},
    {"Mute", 0xE2},
    {"Vol+", 0xE9},
    {"Vol-", 0xEA},
}};

constexpr std::array<WindowsFunctionRow, kWindowsFunctionCount> kWindowsFunctions = {{
    {"Multimedia Player", 0x0183},
    {"Mail", 0x018A},
    {"Calculator", 0x0192},
    {"My Computer", 0x0194},
    {"Browser-Search", 0x0221},
    {"Browser-Home", 0x0223},
    {"Browser-Back", 0x0224},
    {"Browser-Forward", 0x0225},
    {"Browser-Stop", 0x0226},
    {"Browser-Refresh", 0x0227},
    {"Browser-My Favorites", 0x022A},
}};

// Entries before this index are system functions (high byte 1), the rest browser functions
// (high byte 2).
constexpr std::size_t kFirstBrowserFunction = 4;
constexpr std::uint8_t kSystemFunctionHighByte = 1;
constexpr std::uint8_t kBrowserFunctionHighByte = 2;

constexpr std::array<std::string_view, kMacroRepeatModeCount> kRepeatModes = {
    "Repeat a specified number of times or press any key to end",
    "Repeat until press any key to end",
    "Repeat until the key is released",
};

}  // namespace

std::span<const FireKeyRow, kFireKeyCount> FireKeyList() {
    return kFireKeys;
}

std::uint8_t FireKeyCodeOf(std::size_t index) {
    return index < kFireKeys.size() ? kFireKeys[index].code : std::uint8_t{0};
}

std::span<const MultimediaRow, kMultimediaCount> MultimediaList() {
    return kMultimedia;
}

std::uint8_t MultimediaUsageOf(std::size_t index) {
    return index < kMultimedia.size() ? kMultimedia[index].usage : std::uint8_t{0};
}

std::span<const WindowsFunctionRow, kWindowsFunctionCount> WindowsFunctionList() {
    return kWindowsFunctions;
}

std::uint8_t WindowsFunctionUsageLowOf(std::size_t index) {
    if (index >= kWindowsFunctions.size()) {
        return 0;
    }
    return static_cast<std::uint8_t>(kWindowsFunctions[index].usage & 0xFFu);
}

std::uint8_t WindowsFunctionUsageHighOf(std::size_t index) {
    if (index >= kWindowsFunctions.size()) {
        return 0;
    }
    return index < kFirstBrowserFunction ? kSystemFunctionHighByte : kBrowserFunctionHighByte;
}

std::span<const std::string_view, kMacroRepeatModeCount> MacroRepeatModeTexts() {
    return kRepeatModes;
}

std::string_view MacroRepeatModeTextOfStored(std::uint8_t stored_mode) {
    return stored_mode < kRepeatModes.size() ? kRepeatModes[stored_mode] : std::string_view{};
}

}  // namespace corvanti
