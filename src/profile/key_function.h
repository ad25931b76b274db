#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "profile/profile_record.h"

namespace corvanti {

// What the mouse receives for one button: b0 the class, then three class-specific bytes, sent
// in that order. As a 32-bit number b0 is the least significant byte.
using KeyFunctionWord = std::array<std::uint8_t, 4>;

inline constexpr std::size_t kKeyMatrixWordCount = 16;
inline constexpr std::size_t kKeyMatrixSize = kKeyMatrixWordCount * 4;
using KeyMatrix = std::array<std::uint8_t, kKeyMatrixSize>;

// Function types: the position of an entry in the function list a button slot stores.
enum class FunctionType : std::uint8_t {
    LeftClick = 0,
    RightClick = 1,
    MidClick = 2,
    Forward = 3,
    Backward = 4,
    TripleClick = 5,
    DpiSwitch = 6,
    RgbOnOff = 7,
    Windows = 8,
    Multimedia = 9,
    FireKey = 10,
    SingleKey = 11,
    ComboKey = 12,
    MacroKey = 13,
    Shift = 14,
    KeyOff = 15,
};
inline constexpr std::size_t kFunctionTypeCount = 16;

// The English entry of a function type in the function list ("Left Click" ... "Key Off");
// empty for a type above 15.
std::string_view FunctionTypeName(std::uint8_t type);

// The entry of a DPI-switch code in the secondary DPI list: 1 "DPI +", 2 "DPI -", 3 "DPI Loop",
// 4 "Shift DPI"; empty for any other code.
std::string_view DpiSwitchName(std::uint8_t code);

// Key-matrix position of button slots 0-9.
inline constexpr std::array<std::size_t, kMouseButtonCount> kKeyMatrixPositionOfSlot = {
    0, 1, 2, 6, 9, 8, 5, 3, 4, 7};

// The word of one button slot in one key mode, from its function type and the parameter
// fields of the same slot. A type above 15 (or a slot past 11) gives the "Key Off" word.
KeyFunctionWord KeyFunctionWordOf(const ProfileRecord& record, KeyMode mode, std::size_t slot);

// The sixteen words of one key mode: the ten buttons at their positions, positions 10-13
// zero, 14 and 15 the fixed words 01 00 F7 00 and 01 00 F8 00.
KeyMatrix BuildKeyMatrix(const ProfileRecord& record, KeyMode mode);

// Word p of a matrix as the 32-bit number that traces print ("%08x").
std::uint32_t KeyMatrixWordValue(const KeyMatrix& matrix, std::size_t position);

}  // namespace corvanti
