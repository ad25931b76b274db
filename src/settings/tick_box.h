#pragma once

#include "skin/draw_list.h"

namespace corvanti {

// A 16-by-16 tick box with its top-left corner at (x, y), ticked or clear.
DrawStep DrawTickBox(int x, int y, bool ticked);

}  // namespace corvanti
