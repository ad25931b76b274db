#pragma once

#include <cstdint>
#include <span>

namespace corvanti {

// One colour byte weighted by its pixel's alpha, as alpha blending expects it: c * a / 255,
// truncated.
constexpr std::uint8_t PremultiplyChannel(std::uint8_t colour, std::uint8_t alpha) {
    return static_cast<std::uint8_t>(colour * alpha / 255);
}

// Premultiplies 32-bit pixels in place: four bytes per pixel, the three colour bytes first
// (in any order) and alpha last. A trailing partial pixel is left alone.
void PremultiplyPixels(std::span<std::uint8_t> pixels);

}  // namespace corvanti
