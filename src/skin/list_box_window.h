#pragma once

#include <string>
#include <vector>

#include "common/client_rect.h"

namespace corvanti {

// A list box the main window creates on demand: a visible, bordered child that notifies its
// parent, with this control id, over this area, filled with the entries in order.
struct ListBoxWindow {
    int control_id = 0;
    ClientRect area;
    std::vector<std::string> entries;
    bool operator==(const ListBoxWindow&) const = default;
};

}  // namespace corvanti
