#include "settings/tick_box.h"

#include <string>
#include <string_view>

namespace corvanti {

namespace {

constexpr std::string_view kTickedImage = "/PaneMakingTick.png";
constexpr std::string_view kClearImage = "/Pane.png";

}  // namespace

DrawStep DrawTickBox(int x, int y, bool ticked) {
    return DrawImage{std::string(ticked ? kTickedImage : kClearImage), x, y};
}

}  // namespace corvanti
