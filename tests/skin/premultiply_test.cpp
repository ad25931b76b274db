#include "skin/premultiply.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace corvanti {
namespace {

TEST(PremultiplyTest, WeightsColourBytesByAlphaTruncating) {
    std::vector<std::uint8_t> pixels{
        200, 100, 0,   128,  // half transparent: 100, 50, 0
        255, 255, 255, 0,    // fully transparent: black
        17,  34,  51,  255,  // opaque: unchanged
        255, 1,   254, 1,    // 254 * 1 / 255 truncates to 0
    };
    PremultiplyPixels(pixels);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{100, 50, 0, 128, 0, 0, 0, 0, 17, 34, 51, 255, 1, 0,
                                                 0, 1}));
}

TEST(PremultiplyTest, LeavesATrailingPartialPixelAlone) {
    std::array<std::uint8_t, 6> pixels{200, 100, 0, 128, 200, 7};
    PremultiplyPixels(pixels);
    EXPECT_EQ(pixels, (std::array<std::uint8_t, 6>{100, 50, 0, 128, 200, 7}));
}

}  // namespace
}  // namespace corvanti
