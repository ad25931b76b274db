#include "macro/delay_entry.h"

#include "macro/lenient_number.h"
#include "macro/macro_event_item.h"

namespace corvanti {

DelayEntry DelayEntryOfEditText(std::string_view text) {
    DelayEntry entry;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            entry.text.push_back(c);
        }
    }
    entry.value = LenientNumber(entry.text);
    return entry;
}

std::string DelayItemFor(const DelayEntry& entry) {
    if (entry.value < kMinEventDelay) {
        return DelayItem(kMinEventDelay);
    }
    if (entry.value > kMaxEventDelay) {
        return DelayItem(kMaxEventDelay);
    }
    if (entry.text.empty()) {
        return DelayItem(entry.value);
    }
    return entry.text + std::string(kDelaySuffix);
}

}  // namespace corvanti
