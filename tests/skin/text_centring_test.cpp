#include "skin/text_centring.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

// The explanations are centred by shrinking their area; the result is stable when applied to
// its own output, as a repaint does.
TEST(TextCentringTest, ShrinksTheAreaByHalfTheSpareHeightOnBothSides) {
    constexpr ClientRect kArea{15, 184, 390, 218};  // 34 pixels high
    struct Case {
        int text_height;
        ClientRect centred;
    };
    const Case cases[] = {
        {14, {15, 194, 390, 208}},
        {13, {15, 194, 390, 208}},  // an odd spare pixel stays at the bottom
        {34, kArea},
        {42, {15, 180, 390, 222}},  // too tall: grows by the same rule
    };
    for (const Case& c : cases) {
        const ClientRect once = CentreVertically(kArea, c.text_height);
        EXPECT_EQ(once, c.centred) << c.text_height;
        EXPECT_EQ(CentreVertically(once, c.text_height), once) << c.text_height;
    }
}

}  // namespace
}  // namespace corvanti
