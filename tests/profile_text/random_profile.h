#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "macro/macro_block_decoder.h"
#include "macro/macro_encoder.h"
#include "profile/key_function.h"
#include "profile/key_name_table.h"
#include "profile/parameter_lists.h"
#include "profile/profile_file.h"

namespace corvanti::testing {

// Records as the program itself could have written them: every function with parameters from
// its lists, values inside the ranges of the pages, macros of real key events. The reserved
// bytes and the first-run flag are anything at all.
class RandomProfiles {
  public:
    explicit RandomProfiles(std::uint32_t seed) : random_(seed) {}

    ProfileFileContent Next() {
        ProfileFileContent content;
        content.first_run_flag = Byte();
        ProfileRecord& record = content.record;
        for (const KeyMode mode : {KeyMode::A, KeyMode::B}) {
            for (std::size_t slot = 0; slot < kSlotsPerArray; ++slot) {
                SetButton(record, mode, slot);
            }
        }
        const std::uint8_t rates[] = {1, 2, 4, 8};
        record.set_report_rate_code(rates[Below(4)]);
        for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
            record.set_dpi_level(stage, Below(12));
            record.set_dpi_stage_enabled(stage, Below(2) == 1);
            record.set_dpi_colour(stage, {Byte(), Byte(), Byte()});
        }
        record.set_lighting_mode(Below(4));
        record.set_lighting_parameter(1, Below(10));
        record.set_lighting_parameter(2, Below(5));
        record.set_lighting_parameter(3, Below(30));
        record.set_standard_effect(Below(4));
        record.set_respiration_effect(Below(4));
        record.set_neon_effect(Below(4));
        record.set_pointer_precision(Below(2) == 1);
        record.set_scroll_one_screen(Below(2) == 1);
        record.set_pointer_speed(static_cast<std::uint8_t>(1 + Below(11)));
        record.set_wheel_lines(Below(12));
        record.set_double_click_speed(static_cast<std::uint8_t>(1 + Below(11)));
        record.set_shown_key_mode(Below(2) == 1 ? KeyMode::B : KeyMode::A);
        for (std::size_t block = 0; block < kMacroBlockCount; ++block) {
            SetMacro(record, block);
        }
        for (std::size_t i = 0; i < kReservedHeadSize; ++i) {
            record.bytes()[kReservedHeadOffset + i] = Byte();
        }
        record.bytes()[kReservedAfterRateOffset] = Byte();
        record.bytes()[kReservedAfterLightingOffset] = Byte();
        return content;
    }

    // Any 1986 bytes at all.
    ProfileFileContent AnyBytes() {
        ProfileFileContent content;
        content.first_run_flag = Byte();
        for (std::uint8_t& byte : content.record.bytes()) {
            byte = Byte();
        }
        return content;
    }

  private:
    std::uint8_t Below(unsigned limit) {
        return static_cast<std::uint8_t>(
            std::uniform_int_distribution<unsigned>(0, limit - 1)(random_));
    }
    std::uint8_t Byte() { return Below(256); }
    std::uint8_t KeyCode() { return KeyNameTable()[Below(kKeyNameCount)].code; }

    void SetButton(ProfileRecord& record, KeyMode mode, std::size_t slot) {
        const auto set = [&](SlotField field, std::uint8_t value) {
            record.set_slot(mode, field, slot, value);
        };
        const std::uint8_t type = Below(kFunctionTypeCount);
        set(SlotField::FunctionType, type);
        switch (static_cast<FunctionType>(type)) {
            case FunctionType::DpiSwitch:
                record.set_dpi_switch_code(mode, slot, static_cast<std::uint8_t>(1 + Below(4)));
                break;
            case FunctionType::Windows: {
                const std::uint8_t index = Below(kWindowsFunctionCount);
                set(SlotField::WindowsIndex, index);
                set(SlotField::WindowsUsageLow, WindowsFunctionUsageLowOf(index));
                set(SlotField::WindowsUsageHigh, WindowsFunctionUsageHighOf(index));
                break;
            }
            case FunctionType::Multimedia: {
                const std::uint8_t index = Below(kMultimediaCount);
                set(SlotField::MultimediaIndex, index);
                set(SlotField::MultimediaUsage, MultimediaUsageOf(index));
                break;
            }
            case FunctionType::FireKey: {
                const std::uint8_t index = Below(kFireKeyCount);
                set(SlotField::FireKeyIndex, index);
                set(SlotField::FireKeyCode, FireKeyCodeOf(index));
                set(SlotField::FireKeySpeed, static_cast<std::uint8_t>(5 + Below(251)));
                set(SlotField::FireKeyCount, Byte());
                break;
            }
            case FunctionType::SingleKey:
                set(SlotField::SingleKeyCode, KeyCode());
                break;
            case FunctionType::ComboKey:
                set(SlotField::ComboModifiers,
                    Below(3) == 0 ? 0 : ModifierTable()[Below(kModifierCount)].mask);
                set(SlotField::ComboFirstKey, KeyCode());
                set(SlotField::ComboSecondKey, Below(2) == 0 ? 0 : KeyCode());
                break;
            case FunctionType::MacroKey:
                set(SlotField::MacroIndex, Below(kMacroBlockCount));
                set(SlotField::MacroRepeatMode, Below(3));
                break;
            default:
                break;
        }
    }

    int Delay() {
        return Below(2) == 0
                   ? 10 * Below(128)
                   : static_cast<int>(std::uniform_int_distribution<int>(1271, 10000)(random_));
    }

    void SetMacro(ProfileRecord& record, std::size_t block) {
        if (Below(3) == 0) {
            return;  // an empty block
        }
        std::vector<MacroKeyEvent> events;
        const std::size_t wanted = Below(40);
        std::vector<std::uint8_t> bytes;
        while (events.size() < wanted) {
            events.push_back(
                {Below(2) == 1, std::string(KeyNameTable()[Below(kKeyNameCount)].name), Delay()});
            const EncodedMacroEvents encoded = EncodeMacroEvents(MacroItemsOf(events));
            if (!encoded.Fits()) {
                break;
            }
            bytes = encoded.bytes;
        }
        const std::span<std::uint8_t> target = record.macro_block(block);
        target[0] = Byte();
        target[1] = Byte();
        std::ranges::copy(bytes, target.begin() + 2);
    }

    std::mt19937 random_;
};

}  // namespace corvanti::testing
