#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/ini_file.h"
#include "common/user_messages.h"
#include "profile/profile_record.h"

namespace corvanti {

// The delay of an event record at which the long form starts: the short form carries
// delay / 10 in seven bits.
inline constexpr int kShortFormMaxDelay = 1270;

// The event records of one macro's items, whole, in order.
struct EncodedMacroEvents {
    std::vector<std::uint8_t> bytes;
    // How many leading bytes are whole records that fit into a block's 126 event bytes.
    std::size_t fitting_size = 0;

    bool Fits() const { return fitting_size == bytes.size(); }
};

// Every press or release item becomes one record whose delay is read from the item after it
// (0 after the last); all other items are skipped. Delays outside 0-10000 ms, which the
// editor never produces, are cut to that range: the long form's byte 2 holds delay / 100 and
// would wrap above 25599 ms, and a negative delay would spill into the release bit.
EncodedMacroEvents EncodeMacroEvents(std::span<const std::string> items);

// Rebuilds the event part of the macro blocks from record.ini's sections in file order:
// block k from the k-th section, the first twelve only. A section with no items (ItemCount
// missing or 0) clears its whole block, loop count too; otherwise the loop count stays and
// the event bytes are rewritten, cut after the last whole record that fits. Blocks after the
// last section keep their content. What is cut or left out is traced.
void EncodeMacroBlocks(const IniFile& store, ProfileRecord& record, TraceSink* trace = nullptr);

}  // namespace corvanti
