#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvanti {

// The lists the assignment dialogs offer for fire keys, multimedia keys and Windows functions:
// a slot stores the list index beside the code it sends, so both come from the same row.

struct FireKeyRow {
    std::string_view name;
    std::uint8_t code;
};

inline constexpr std::size_t kFireKeyCount = 61;

std::span<const FireKeyRow, kFireKeyCount> FireKeyList();

// The key code of a fire-key list index; an index past the list gives 0.
std::uint8_t FireKeyCodeOf(std::size_t index);

struct MultimediaRow {
    std::string_view name;
    std::uint8_t usage;  // consumer-page usage; its high byte is always 0
};

inline constexpr std::size_t kMultimediaCount = 7;

std::span<const MultimediaRow, kMultimediaCount> MultimediaList();

// The usage of a multimedia list index; an index past the list gives 0.
std::uint8_t MultimediaUsageOf(std::size_t index);

struct WindowsFunctionRow {
    std::string_view name;
    std::uint16_t usage;
};

inline constexpr std::size_t kWindowsFunctionCount = 11;

std::span<const WindowsFunctionRow, kWindowsFunctionCount> WindowsFunctionList();

// The two usage bytes a slot stores for a Windows-function list index. The high byte follows
// the index (1 for the first four entries, 2 for the browser entries) as the mouse expects it;
// an index past the list gives 0 for both.
std::uint8_t WindowsFunctionUsageLowOf(std::size_t index);
std::uint8_t WindowsFunctionUsageHighOf(std::size_t index);

// The repeat modes of a macro key, mode 1 first; a slot stores mode minus one.
inline constexpr std::size_t kMacroRepeatModeCount = 3;

std::span<const std::string_view, kMacroRepeatModeCount> MacroRepeatModeTexts();

// The text of a stored repeat mode (0-2); empty for any other value.
std::string_view MacroRepeatModeTextOfStored(std::uint8_t stored_mode);

}  // namespace corvanti
