#pragma once

#include <cstdint>
#include <string>

namespace corvanti {

// The key-name table's name of a pressed key, from what a keyboard hook or a key message
// carries: the set-1 scan code and the extended-key bit. Names come from this table and never
// from the system, whose key names are localised (and X11 names under Wine) and so would match
// nothing when the captured name is turned into a key code. Positions follow the US layout; a
// key the table does not name gets a readable name of the form "Scan 0x59" (extended keys
// "Scan 0xE05D"), which gives code 0.
std::string KeyNameOfScanCode(std::uint8_t scan_code, bool extended);

// The same from a key message's lParam: bits 16-23 the scan code, bit 24 the extended-key bit.
std::string KeyNameOfKeyMessage(std::uint32_t lparam);

}  // namespace corvanti
