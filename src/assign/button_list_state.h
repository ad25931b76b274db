#pragma once

#include <cstddef>
#include <optional>

#include "common/client_rect.h"

namespace corvanti {

// Which button's function list is open. Opening one list closes any other, so at most one
// slot is open at a time; the window keeps exactly that slot's list window alive.
class ButtonListState {
  public:
    std::optional<std::size_t> OpenSlot() const { return open_slot_; }
    bool IsOpen(std::size_t slot) const { return open_slot_ == slot; }

    void Open(std::size_t slot) { open_slot_ = slot; }
    // The slot that was open, if any.
    std::optional<std::size_t> Close();
    // A click on the page closes the open list unless it lands in that list's box or area.
    std::optional<std::size_t> CloseUnlessInside(ClientPoint click);

  private:
    std::optional<std::size_t> open_slot_;
};

}  // namespace corvanti
