#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvanti {

// One key name as the capture dialogs and macro event items spell it, and the code the mouse
// receives for it (a keyboard-page usage, or a mouse code from 0xF0).
struct KeyNameRow {
    std::string_view name;
    std::uint8_t code;
};

inline constexpr std::size_t kKeyNameCount = 107;

// Every named key, in a fixed order: letters, digits, the main block, F-keys, the navigation
// block, the numeric keypad, the modifiers and the three mouse buttons.
std::span<const KeyNameRow, kKeyNameCount> KeyNameTable();

// The code of a key name; names compare exactly (case and blanks included), and a name that is
// not in the table gives 0, which the mouse treats as no key.
std::uint8_t KeyCodeOfName(std::string_view name);

// The table's name of a code, for display; empty when no row carries the code.
std::string_view KeyNameOfCode(std::uint8_t code);

// One modifier of a key combination and its bit in a keyboard report's modifier byte.
struct ModifierRow {
    std::string_view name;
    std::uint8_t mask;
};

inline constexpr std::size_t kModifierCount = 8;

std::span<const ModifierRow, kModifierCount> ModifierTable();

// The mask of a modifier name; any other text (an empty choice too) gives 0.
std::uint8_t ModifierMaskOfName(std::string_view name);

// The name of the first modifier (in table order) set in a mask, for display; a stored mask
// holds one modifier. Empty when the mask is 0.
std::string_view ModifierNameOfMask(std::uint8_t mask);

}  // namespace corvanti
