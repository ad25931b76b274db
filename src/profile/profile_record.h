#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/rgb.h"

namespace corvanti {

// The whole configuration of the mouse as the program keeps it: a flat block whose layout is
// fixed byte for byte, because it is stored as it stands in config.bin and shipped profiles
// rely on it. No field is ever moved, resized or versioned.
inline constexpr std::size_t kProfileRecordSize = 1985;

inline constexpr std::size_t kKeyModeBlockSize = 192;
inline constexpr std::size_t kSlotsPerArray = 12;     // every per-slot array has 12 entries
inline constexpr std::size_t kMouseButtonCount = 10;  // slots 0-9 are real buttons
inline constexpr std::size_t kSlotFieldCount = 16;
inline constexpr std::size_t kMacroBlockCount = 12;
inline constexpr std::size_t kMacroBlockSize = 128;
inline constexpr std::size_t kDpiStageCount = 4;
inline constexpr std::size_t kLightingModeCount = 3;

inline constexpr std::size_t kKeyModeAOffset = 0x000;
inline constexpr std::size_t kKeyModeBOffset = 0x0C0;
inline constexpr std::size_t kMacroBlocksOffset = 0x180;
inline constexpr std::size_t kReservedHeadOffset = 0x780;  // 5 bytes, kept as they are
inline constexpr std::size_t kReservedHeadSize = 5;
inline constexpr std::size_t kReportRateOffset = 0x785;
inline constexpr std::size_t kReservedAfterRateOffset = 0x786;
inline constexpr std::size_t kDpiLevelOffset = 0x787;
inline constexpr std::size_t kDpiEnabledOffset = 0x78B;
inline constexpr std::size_t kDpiColourOffset = 0x78F;  // 3 bytes (R, G, B) per stage
inline constexpr std::size_t kLightingModeOffset = 0x79B;
inline constexpr std::size_t kLightingParameterOffset = 0x79C;  // one byte per mode 1-3
inline constexpr std::size_t kStandardEffectOffset = 0x79F;
inline constexpr std::size_t kRespirationEffectOffset = 0x7A0;
inline constexpr std::size_t kNeonEffectOffset = 0x7A1;
inline constexpr std::size_t kReservedAfterLightingOffset = 0x7A2;
inline constexpr std::size_t kPointerPrecisionOffset = 0x7A3;
inline constexpr std::size_t kScrollOneScreenOffset = 0x7A4;
inline constexpr std::size_t kPointerSpeedOffset = 0x7A5;
inline constexpr std::size_t kWheelLinesOffset = 0x7A6;
inline constexpr std::size_t kDoubleClickSpeedOffset = 0x7A7;
inline constexpr std::size_t kShownKeyModeOffset = 0x7A8;
inline constexpr std::size_t kDpiSwitchCodesAOffset = 0x7A9;
inline constexpr std::size_t kDpiSwitchCodesBOffset = 0x7B5;

static_assert(kDpiSwitchCodesBOffset + kSlotsPerArray == kProfileRecordSize);
static_assert(kMacroBlocksOffset + kMacroBlockCount * kMacroBlockSize == kReservedHeadOffset);
static_assert(kKeyModeBlockSize == kSlotFieldCount * kSlotsPerArray);

enum class KeyMode : std::uint8_t { A = 0, B = 1 };

// The per-slot arrays of a key-mode block, in their order inside the block.
enum class SlotField : std::uint8_t {
    FunctionType = 0,
    MultimediaIndex,
    MultimediaUsage,
    WindowsIndex,
    WindowsUsageLow,
    WindowsUsageHigh,
    FireKeyIndex,
    FireKeyCode,
    FireKeySpeed,
    FireKeyCount,
    SingleKeyCode,
    ComboModifiers,
    ComboFirstKey,
    ComboSecondKey,
    MacroIndex,
    MacroRepeatMode,  // repeat mode minus one
};

// Accessors take indexes from callers that may hold stale or hostile values (a dialog's list
// position, a byte from a file): an index outside its array reads as 0 and a write to it is
// ignored, so no accessor ever touches memory outside the block.
class ProfileRecord {
  public:
    using Bytes = std::array<std::uint8_t, kProfileRecordSize>;

    ProfileRecord() = default;
    explicit ProfileRecord(const Bytes& bytes) : bytes_(bytes) {}

    const Bytes& bytes() const { return bytes_; }
    Bytes& bytes() { return bytes_; }

    std::span<const std::uint8_t, kKeyModeBlockSize> key_mode_block(KeyMode mode) const;
    std::uint8_t slot(KeyMode mode, SlotField field, std::size_t slot) const;
    void set_slot(KeyMode mode, SlotField field, std::size_t slot, std::uint8_t value);
    std::uint8_t dpi_switch_code(KeyMode mode, std::size_t slot) const;
    void set_dpi_switch_code(KeyMode mode, std::size_t slot, std::uint8_t code);

    // Macro block k (0-11); an index past the last block yields an empty span.
    std::span<const std::uint8_t> macro_block(std::size_t index) const;
    std::span<std::uint8_t> macro_block(std::size_t index);
    std::span<const std::uint8_t, kMacroBlockCount * kMacroBlockSize> macro_area() const;

    std::uint8_t report_rate_code() const { return bytes_[kReportRateOffset]; }
    void set_report_rate_code(std::uint8_t code) { bytes_[kReportRateOffset] = code; }

    // DPI stages are numbered 0-3 here (stage 1 of the user interface is index 0).
    std::uint8_t dpi_level(std::size_t stage) const;
    void set_dpi_level(std::size_t stage, std::uint8_t level);
    bool dpi_stage_enabled(std::size_t stage) const;
    void set_dpi_stage_enabled(std::size_t stage, bool enabled);
    Rgb dpi_colour(std::size_t stage) const;
    void set_dpi_colour(std::size_t stage, Rgb colour);
    std::span<const std::uint8_t, kDpiStageCount * 3> dpi_colour_bytes() const;

    std::uint8_t lighting_mode() const { return bytes_[kLightingModeOffset]; }
    void set_lighting_mode(std::uint8_t mode) { bytes_[kLightingModeOffset] = mode; }
    // Parameter of lighting mode 1 (standard), 2 (respiration) or 3 (neon).
    std::uint8_t lighting_parameter(std::uint8_t mode) const;
    void set_lighting_parameter(std::uint8_t mode, std::uint8_t value);
    std::uint8_t standard_effect() const { return bytes_[kStandardEffectOffset]; }
    void set_standard_effect(std::uint8_t code) { bytes_[kStandardEffectOffset] = code; }
    std::uint8_t respiration_effect() const { return bytes_[kRespirationEffectOffset]; }
    void set_respiration_effect(std::uint8_t code) { bytes_[kRespirationEffectOffset] = code; }
    std::uint8_t neon_effect() const { return bytes_[kNeonEffectOffset]; }
    void set_neon_effect(std::uint8_t code) { bytes_[kNeonEffectOffset] = code; }

    bool pointer_precision() const { return bytes_[kPointerPrecisionOffset] == 1; }
    void set_pointer_precision(bool on) { bytes_[kPointerPrecisionOffset] = on ? 1 : 0; }
    bool scroll_one_screen() const { return bytes_[kScrollOneScreenOffset] == 1; }
    void set_scroll_one_screen(bool on) { bytes_[kScrollOneScreenOffset] = on ? 1 : 0; }
    std::uint8_t pointer_speed() const { return bytes_[kPointerSpeedOffset]; }
    void set_pointer_speed(std::uint8_t level) { bytes_[kPointerSpeedOffset] = level; }
    std::uint8_t wheel_lines() const { return bytes_[kWheelLinesOffset]; }
    void set_wheel_lines(std::uint8_t lines) { bytes_[kWheelLinesOffset] = lines; }
    std::uint8_t double_click_speed() const { return bytes_[kDoubleClickSpeedOffset]; }
    void set_double_click_speed(std::uint8_t level) { bytes_[kDoubleClickSpeedOffset] = level; }

    KeyMode shown_key_mode() const;
    void set_shown_key_mode(KeyMode mode);

    bool operator==(const ProfileRecord&) const = default;

  private:
    static std::size_t key_mode_offset(KeyMode mode);
    static std::size_t dpi_switch_offset(KeyMode mode);

    Bytes bytes_{};
};

static_assert(sizeof(ProfileRecord) == kProfileRecordSize);

// The working record is what the pages edit and Apply sends; the saved record is what Cancel
// returns to.
struct ProfilePair {
    ProfileRecord working;
    ProfileRecord saved;

    void Snapshot() { saved = working; }
    void Restore() { working = saved; }
};

// The key page's "Default": function types of slots 0-11 in both key modes, and "DPI Loop" on
// slot 3. Every other per-slot field keeps its value.
void ApplyDefaultKeyLayout(ProfileRecord& record);

// Pointer precision off, one-screen scrolling off, speed level 6, 3 wheel lines, double-click
// level 6.
void ApplyDefaultPointerSettings(ProfileRecord& record);

}  // namespace corvanti
