#pragma once

#include "common/client_rect.h"

namespace corvanti {

// The part of an area in which a text block of the given height sits centred vertically: the
// area shrunk by half the spare height (truncated toward zero) at the top and at the bottom.
// A text taller than the area grows it by the same rule.
ClientRect CentreVertically(ClientRect area, int text_height);

}  // namespace corvanti
