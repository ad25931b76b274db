#include "skin/premultiply.h"

#include <cstddef>

namespace corvanti {

void PremultiplyPixels(std::span<std::uint8_t> pixels) {
    constexpr std::size_t kPixelSize = 4;
    for (std::size_t i = 0; i + kPixelSize <= pixels.size(); i += kPixelSize) {
        const std::uint8_t alpha = pixels[i + 3];
        for (std::size_t c = 0; c < 3; ++c) {
            pixels[i + c] = PremultiplyChannel(pixels[i + c], alpha);
        }
    }
}

}  // namespace corvanti
