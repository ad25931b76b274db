#include "profile/factory_profile.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "profile/parameter_lists.h"

namespace corvanti {

namespace {

// Button slots of the default key layout whose functions take parameters.
constexpr std::size_t kPreviousTrackSlot = 4;
constexpr std::size_t kNextTrackSlot = 5;
constexpr std::size_t kFireKeySlot = 7;
constexpr std::size_t kWindowsFunctionSlot = 8;

// List indexes of the entries those slots carry.
constexpr std::uint8_t kNextTrackIndex = 0;
constexpr std::uint8_t kPreviousTrackIndex = 1;
constexpr std::uint8_t kLeftButtonFireKeyIndex = 54;
constexpr std::uint8_t kMyComputerIndex = 3;

constexpr std::uint8_t kFireKeySpeed = 34;  // the pace of the built-in "Triple-click"
constexpr std::uint8_t kFireKeyUntilReleased = 0;

constexpr std::uint8_t kReportRate1000 = 1;

// Levels valid for every sensor (each has at least eight), rising from stage 1.
constexpr std::array<std::uint8_t, kDpiStageCount> kDpiLevels = {1, 3, 4, 7};
constexpr std::array<Rgb, kDpiStageCount> kDpiColours = {{
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0xFF, 0x00},
}};

constexpr std::uint8_t kStandardLighting = 1;
constexpr std::uint8_t kRespirationLighting = 2;
constexpr std::uint8_t kNeonLighting = 3;
constexpr std::uint8_t kFullBrightnessIndex = 9;     // "100%"
constexpr std::uint8_t kRespirationPeriodIndex = 2;  // "6S"
constexpr std::uint8_t kNeonPeriodIndex = 3;         // "2S"
constexpr std::uint8_t kStandardEffect = 3;          // "RGB Fixed On"
constexpr std::uint8_t kRespirationEffect = 1;       // "RGB Effect"
constexpr std::uint8_t kNeonEffect = 2;              // "RGB Flash"

void SetMultimedia(ProfileRecord& record, KeyMode mode, std::size_t slot, std::uint8_t index) {
    record.set_slot(mode, SlotField::MultimediaIndex, slot, index);
    record.set_slot(mode, SlotField::MultimediaUsage, slot, MultimediaUsageOf(index));
}

void SetDefaultButtonParameters(ProfileRecord& record, KeyMode mode) {
    SetMultimedia(record, mode, kPreviousTrackSlot, kPreviousTrackIndex);
    SetMultimedia(record, mode, kNextTrackSlot, kNextTrackIndex);

    record.set_slot(mode, SlotField::FireKeyIndex, kFireKeySlot, kLeftButtonFireKeyIndex);
    record.set_slot(mode, SlotField::FireKeyCode, kFireKeySlot,
                    FireKeyCodeOf(kLeftButtonFireKeyIndex));
    record.set_slot(mode, SlotField::FireKeySpeed, kFireKeySlot, kFireKeySpeed);
    record.set_slot(mode, SlotField::FireKeyCount, kFireKeySlot, kFireKeyUntilReleased);

    record.set_slot(mode, SlotField::WindowsIndex, kWindowsFunctionSlot, kMyComputerIndex);
    record.set_slot(mode, SlotField::WindowsUsageLow, kWindowsFunctionSlot,
                    WindowsFunctionUsageLowOf(kMyComputerIndex));
    record.set_slot(mode, SlotField::WindowsUsageHigh, kWindowsFunctionSlot,
                    WindowsFunctionUsageHighOf(kMyComputerIndex));
}

void SetDefaultDpiStages(ProfileRecord& record) {
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        record.set_dpi_level(stage, kDpiLevels[stage]);
        record.set_dpi_stage_enabled(stage, true);
        record.set_dpi_colour(stage, kDpiColours[stage]);
    }
}

void SetDefaultLighting(ProfileRecord& record) {
    record.set_lighting_mode(kStandardLighting);
    record.set_lighting_parameter(kStandardLighting, kFullBrightnessIndex);
    record.set_lighting_parameter(kRespirationLighting, kRespirationPeriodIndex);
    record.set_lighting_parameter(kNeonLighting, kNeonPeriodIndex);
    record.set_standard_effect(kStandardEffect);
    record.set_respiration_effect(kRespirationEffect);
    record.set_neon_effect(kNeonEffect);
}

}  // namespace

ProfileRecord FactoryProfile() {
    ProfileRecord record;
    ApplyDefaultKeyLayout(record);
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        SetDefaultButtonParameters(record, mode);
    }
    record.set_report_rate_code(kReportRate1000);
    SetDefaultDpiStages(record);
    SetDefaultLighting(record);
    ApplyDefaultPointerSettings(record);
    record.set_shown_key_mode(KeyMode::A);
    return record;
}

}  // namespace corvanti
