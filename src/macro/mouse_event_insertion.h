#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvanti {

// The insert-mouse-event list, in every language.
inline constexpr std::array<std::string_view, 9> kMouseEventEntries = {
    "L-Button Click", "R-Button Click", "M-Button Click", "L-Button   Dn", "L-Button   Up",
    "R-Button   Dn",  "R-Button   Up",  "M-Button   Dn",  "M-Button   Up",
};

// Items to insert into the event list at `position`, and the entry to select afterwards.
struct EventInsertion {
    std::size_t position = 0;
    std::vector<std::string> items;
    std::optional<std::size_t> selection;
    bool operator==(const EventInsertion&) const = default;
};

// Where a chosen mouse event goes. A click entry becomes a press and a release; every event
// keeps a delay after it, so a well-formed list stays well formed. Nothing is inserted when
// no entry is selected unless the list is empty and a macro is selected.
std::optional<EventInsertion> PlanMouseEventInsertion(std::string_view entry,
                                                      std::span<const std::string> events,
                                                      std::optional<std::size_t> selected,
                                                      bool macro_selected);

}  // namespace corvanti
