#include "macro/mouse_event_insertion.h"

#include <algorithm>

#include "macro/macro_event_item.h"

namespace corvanti {

namespace {

constexpr std::string_view kClickSuffix = " Click";

std::string Replaced(std::string_view entry, std::string_view part, std::string_view by) {
    std::string text(entry);
    const std::size_t found = text.find(part);
    return found == std::string::npos ? text : text.replace(found, part.size(), by);
}

// The entry's events, each followed by its delay.
std::vector<std::string> EventsWithDelays(std::string_view entry) {
    const std::string delay = FixedDelayItem();
    if (entry.find(kClickSuffix) == std::string_view::npos) {
        return {std::string(entry), delay};
    }
    return {Replaced(entry, kClickSuffix, kPressMarker), delay,
            Replaced(entry, kClickSuffix, kReleaseMarker), delay};
}

// After a key event the new events come after a delay of their own, so the key event keeps
// its delay: the trailing delay moves to the front.
std::vector<std::string> DelayFirst(std::vector<std::string> items) {
    std::rotate(items.rbegin(), items.rbegin() + 1, items.rend());
    return items;
}

}  // namespace

std::optional<EventInsertion> PlanMouseEventInsertion(std::string_view entry,
                                                      std::span<const std::string> events,
                                                      std::optional<std::size_t> selected,
                                                      bool macro_selected) {
    if (!selected || *selected >= events.size()) {
        if (events.empty() && macro_selected) {
            return EventInsertion{0, EventsWithDelays(entry), std::nullopt};
        }
        return std::nullopt;
    }
    const std::size_t after = *selected + 1;
    if (LooksLikeDelay(events[*selected])) {
        return EventInsertion{after, EventsWithDelays(entry), after};
    }
    return EventInsertion{after, DelayFirst(EventsWithDelays(entry)), after + 1};
}

}  // namespace corvanti
