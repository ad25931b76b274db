#include "skin/keyboard_filter.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace corvanti {
namespace {

constexpr std::uint32_t kKeyUp = 0x0101;
constexpr std::uint32_t kChar = 0x0102;

TEST(ShouldSwallowMessageTest, EachVariantSwallowsItsKeys) {
    struct Case {
        std::uint32_t message;
        std::uintptr_t key;
        bool standard, capture, capture_windows;
    };
    const Case cases[] = {
        {kKeyDownMessage, 13, false, true, true},  // Enter
        {kKeyDownMessage, 27, false, true, true},  // Escape
        {kKeyUp, 13, false, false, false},         // only key-downs of Enter and Escape
        {kChar, 27, false, false, false},          {kKeyDownMessage, 65, false, false, false},
        {kKeyDownMessage, 91, false, false, true},  // Windows keys, whatever the message
        {kKeyUp, 92, false, false, true},          {0x0200, 91, false, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShouldSwallowMessage(KeyFilter::kStandard, c.message, c.key), c.standard);
        EXPECT_EQ(ShouldSwallowMessage(KeyFilter::kCaptureEnterEscape, c.message, c.key),
                  c.capture);
        EXPECT_EQ(ShouldSwallowMessage(KeyFilter::kCaptureEnterEscapeWindows, c.message, c.key),
                  c.capture_windows)
            << c.message << " " << c.key;
    }
}

}  // namespace
}  // namespace corvanti
