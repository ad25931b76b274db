#include "skin/text_centring.h"

namespace corvanti {

ClientRect CentreVertically(ClientRect area, int text_height) {
    const int shrink = (area.Height() - text_height) / 2;
    return {area.left, area.top + shrink, area.right, area.bottom - shrink};
}

}  // namespace corvanti
