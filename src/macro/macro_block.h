#pragma once

#include <cstddef>
#include <cstdint>

#include "profile/profile_record.h"

namespace corvanti {

// A macro block of the profile record: the loop count (high byte, low byte), then the event
// records packed from byte 2 upward, zero after the last.
inline constexpr std::size_t kLoopCountSize = 2;
inline constexpr std::size_t kMacroEventBytes = kMacroBlockSize - kLoopCountSize;  // 126
inline constexpr std::size_t kShortEventRecordSize = 2;
inline constexpr std::size_t kLongEventRecordSize = 4;
// An event record: byte 0 holds the released bit and the delay's low part (delay / 10 in the
// short form, delay % 100 in the long form), byte 1 the key code; the long form adds
// delay / 100 and its mark in bytes 2 and 3.
inline constexpr std::uint8_t kReleasedBit = 0x80;
inline constexpr std::uint8_t kDelayBits = 0x7F;
inline constexpr int kShortFormUnit = 10;
inline constexpr int kLongFormUnit = 100;
inline constexpr std::size_t kLongFormMarkIndex = 3;
inline constexpr std::uint8_t kLongFormMark = 0x03;
// The most key events a block can hold, all in the short form.
inline constexpr std::size_t kMaxMacroKeyEvents = kMacroEventBytes / kShortEventRecordSize;
// A macro's items are its key events, each followed by its delay: more than this many can
// never be encoded, so neither the editor nor a file is allowed more.
inline constexpr std::size_t kMaxMacroItems = 2 * kMaxMacroKeyEvents;

inline constexpr int kMinLoopCount = 1;
inline constexpr int kMaxLoopCount = 65535;

// The loop count of block k; 0 for a block past the twelfth.
int MacroLoopCount(const ProfileRecord& record, std::size_t block);
// Stores a loop count of 1-65535 as its high and low byte; a block past the twelfth is left
// alone.
void SetMacroLoopCount(ProfileRecord& record, std::size_t block, std::uint16_t count);

}  // namespace corvanti
