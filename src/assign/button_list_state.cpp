#include "assign/button_list_state.h"

#include "assign/button_geometry.h"

namespace corvanti {

std::optional<std::size_t> ButtonListState::Close() {
    const auto closed = open_slot_;
    open_slot_.reset();
    return closed;
}

std::optional<std::size_t> ButtonListState::CloseUnlessInside(ClientPoint click) {
    if (!open_slot_) {
        return std::nullopt;
    }
    const std::size_t slot = *open_slot_;
    if (DropdownBoxRect(slot).Contains(click) || ButtonListArea(slot).Contains(click)) {
        return std::nullopt;
    }
    return Close();
}

}  // namespace corvanti
