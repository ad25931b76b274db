#include "macro/macro_encoder.h"

#include <algorithm>

#include "common/text_format.h"
#include "macro/macro_block.h"
#include "macro/macro_event_item.h"
#include "macro/macro_section.h"
#include "profile/key_name_table.h"

namespace corvanti {

namespace {

void AppendRecord(std::vector<std::uint8_t>& bytes, const KeyEventItem& event, int delay) {
    delay = std::clamp(delay, 0, kMaxEventDelay);
    const std::uint8_t marker = event.released ? kReleasedBit : 0;
    const std::uint8_t code = KeyCodeOfName(event.key_name);
    if (delay <= kShortFormMaxDelay) {
        bytes.push_back(static_cast<std::uint8_t>(marker | (delay / kShortFormUnit)));
        bytes.push_back(code);
        return;
    }
    bytes.push_back(static_cast<std::uint8_t>(marker | (delay % kLongFormUnit)));
    bytes.push_back(code);
    bytes.push_back(static_cast<std::uint8_t>(delay / kLongFormUnit));
    bytes.push_back(kLongFormMark);
}

void TraceLine(TraceSink* trace, const std::string& text) {
    if (trace != nullptr) {
        trace->Trace(text);
    }
}

}  // namespace

EncodedMacroEvents EncodeMacroEvents(std::span<const std::string> items) {
    EncodedMacroEvents encoded;
    for (std::size_t j = 0; j < items.size(); ++j) {
        const std::optional<KeyEventItem> event = ParseKeyEventItem(items[j]);
        if (!event) {
            continue;
        }
        const int delay = j + 1 < items.size() ? DelayOfItem(items[j + 1]) : 0;
        AppendRecord(encoded.bytes, *event, delay);
        if (encoded.bytes.size() <= kMacroEventBytes) {
            encoded.fitting_size = encoded.bytes.size();
        }
    }
    return encoded;
}

void EncodeMacroBlocks(const IniFile& store, ProfileRecord& record, TraceSink* trace) {
    const std::vector<std::string> names = store.SectionNames();
    const std::size_t encoded_count = std::min(names.size(), kMacroBlockCount);
    for (std::size_t k = 0; k < encoded_count; ++k) {
        const std::span<std::uint8_t> block = record.macro_block(k);
        const MacroSection section = ReadMacroSection(store, names[k]);
        if (section.item_count == 0) {
            std::fill(block.begin(), block.end(), std::uint8_t{0});
            continue;
        }
        const auto events = block.subspan(kLoopCountSize);
        std::fill(events.begin(), events.end(), std::uint8_t{0});
        const EncodedMacroEvents encoded = EncodeMacroEvents(section.items);
        std::copy_n(encoded.bytes.begin(), encoded.fitting_size, events.begin());
        if (!encoded.Fits()) {
            TraceLine(trace, FormatText("Macro %zu: %zu event bytes, %zu kept", k,
                                        encoded.bytes.size(), encoded.fitting_size));
        }
    }
    if (names.size() > kMacroBlockCount) {
        TraceLine(trace, FormatText("record.ini holds %zu macros; only the first %zu are encoded",
                                    names.size(), kMacroBlockCount));
    }
}

}  // namespace corvanti
