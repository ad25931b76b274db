#include "profile/profile_record.h"

namespace corvanti {

namespace {

constexpr std::size_t kDpiColourSize = 3;

// Function types of slots 0-11 for the key page's "Default": Left Click, Right Click, Mid Click,
// DPI Switch, Multimedia, Multimedia, Triple-click, Fire Key, Windows, RGB On/Off, Key Off, Key
// Off.
constexpr std::array<std::uint8_t, kSlotsPerArray> kDefaultFunctionTypes = {0, 1,  2, 6, 9,  9,
                                                                            5, 10, 8, 7, 15, 15};
constexpr std::size_t kDefaultDpiSwitchSlot = 3;
constexpr std::uint8_t kDpiLoopCode = 3;

constexpr std::uint8_t kDefaultPointerSpeed = 6;
constexpr std::uint8_t kDefaultWheelLines = 3;
constexpr std::uint8_t kDefaultDoubleClickSpeed = 6;

}  // namespace

std::size_t ProfileRecord::key_mode_offset(KeyMode mode) {
    return mode == KeyMode::B ? kKeyModeBOffset : kKeyModeAOffset;
}

std::size_t ProfileRecord::dpi_switch_offset(KeyMode mode) {
    return mode == KeyMode::B ? kDpiSwitchCodesBOffset : kDpiSwitchCodesAOffset;
}

std::span<const std::uint8_t, kKeyModeBlockSize> ProfileRecord::key_mode_block(KeyMode mode) const {
    return std::span<const std::uint8_t, kKeyModeBlockSize>(bytes_.data() + key_mode_offset(mode),
                                                            kKeyModeBlockSize);
}

std::uint8_t ProfileRecord::slot(KeyMode mode, SlotField field, std::size_t slot) const {
    const auto index = static_cast<std::size_t>(field);
    if (slot >= kSlotsPerArray || index >= kSlotFieldCount) {
        return 0;
    }
    return bytes_[key_mode_offset(mode) + index * kSlotsPerArray + slot];
}

void ProfileRecord::set_slot(KeyMode mode, SlotField field, std::size_t slot, std::uint8_t value) {
    const auto index = static_cast<std::size_t>(field);
    if (slot >= kSlotsPerArray || index >= kSlotFieldCount) {
        return;
    }
    bytes_[key_mode_offset(mode) + index * kSlotsPerArray + slot] = value;
}

std::uint8_t ProfileRecord::dpi_switch_code(KeyMode mode, std::size_t slot) const {
    return slot < kSlotsPerArray ? bytes_[dpi_switch_offset(mode) + slot] : std::uint8_t{0};
}

void ProfileRecord::set_dpi_switch_code(KeyMode mode, std::size_t slot, std::uint8_t code) {
    if (slot < kSlotsPerArray) {
        bytes_[dpi_switch_offset(mode) + slot] = code;
    }
}

std::span<const std::uint8_t> ProfileRecord::macro_block(std::size_t index) const {
    if (index >= kMacroBlockCount) {
        return {};
    }
    return {bytes_.data() + kMacroBlocksOffset + index * kMacroBlockSize, kMacroBlockSize};
}

std::span<std::uint8_t> ProfileRecord::macro_block(std::size_t index) {
    if (index >= kMacroBlockCount) {
        return {};
    }
    return {bytes_.data() + kMacroBlocksOffset + index * kMacroBlockSize, kMacroBlockSize};
}

std::span<const std::uint8_t, kMacroBlockCount * kMacroBlockSize> ProfileRecord::macro_area()
    const {
    return std::span<const std::uint8_t, kMacroBlockCount * kMacroBlockSize>(
        bytes_.data() + kMacroBlocksOffset, kMacroBlockCount * kMacroBlockSize);
}

std::uint8_t ProfileRecord::dpi_level(std::size_t stage) const {
    return stage < kDpiStageCount ? bytes_[kDpiLevelOffset + stage] : std::uint8_t{0};
}

void ProfileRecord::set_dpi_level(std::size_t stage, std::uint8_t level) {
    if (stage < kDpiStageCount) {
        bytes_[kDpiLevelOffset + stage] = level;
    }
}

bool ProfileRecord::dpi_stage_enabled(std::size_t stage) const {
    return stage < kDpiStageCount && bytes_[kDpiEnabledOffset + stage] != 0;
}

void ProfileRecord::set_dpi_stage_enabled(std::size_t stage, bool enabled) {
    if (stage < kDpiStageCount) {
        bytes_[kDpiEnabledOffset + stage] = enabled ? 1 : 0;
    }
}

Rgb ProfileRecord::dpi_colour(std::size_t stage) const {
    if (stage >= kDpiStageCount) {
        return {};
    }
    const std::size_t at = kDpiColourOffset + stage * kDpiColourSize;
    return {bytes_[at], bytes_[at + 1], bytes_[at + 2]};
}

void ProfileRecord::set_dpi_colour(std::size_t stage, Rgb colour) {
    if (stage >= kDpiStageCount) {
        return;
    }
    const std::size_t at = kDpiColourOffset + stage * kDpiColourSize;
    bytes_[at] = colour.red;
    bytes_[at + 1] = colour.green;
    bytes_[at + 2] = colour.blue;
}

std::span<const std::uint8_t, kDpiStageCount * 3> ProfileRecord::dpi_colour_bytes() const {
    return std::span<const std::uint8_t, kDpiStageCount * 3>(bytes_.data() + kDpiColourOffset,
                                                             kDpiStageCount * kDpiColourSize);
}

std::uint8_t ProfileRecord::lighting_parameter(std::uint8_t mode) const {
    if (mode < 1 || mode > kLightingModeCount) {
        return 0;
    }
    return bytes_[kLightingParameterOffset + mode - 1];
}

void ProfileRecord::set_lighting_parameter(std::uint8_t mode, std::uint8_t value) {
    if (mode >= 1 && mode <= kLightingModeCount) {
        bytes_[kLightingParameterOffset + mode - 1] = value;
    }
}

KeyMode ProfileRecord::shown_key_mode() const {
    return bytes_[kShownKeyModeOffset] == 1 ? KeyMode::B : KeyMode::A;
}

void ProfileRecord::set_shown_key_mode(KeyMode mode) {
    bytes_[kShownKeyModeOffset] = static_cast<std::uint8_t>(mode);
}

void ApplyDefaultKeyLayout(ProfileRecord& record) {
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t slot = 0; slot < kSlotsPerArray; ++slot) {
            record.set_slot(mode, SlotField::FunctionType, slot, kDefaultFunctionTypes[slot]);
        }
        record.set_dpi_switch_code(mode, kDefaultDpiSwitchSlot, kDpiLoopCode);
    }
}

void ApplyDefaultPointerSettings(ProfileRecord& record) {
    record.set_pointer_precision(false);
    record.set_scroll_one_screen(false);
    record.set_pointer_speed(kDefaultPointerSpeed);
    record.set_wheel_lines(kDefaultWheelLines);
    record.set_double_click_speed(kDefaultDoubleClickSpeed);
}

}  // namespace corvanti
