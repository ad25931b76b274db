#include "macro/recording_filter.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(RecordingFilterTest, ReadsNameAndStateBitsFromTheKeyData) {
    struct Case {
        std::uint32_t key_data;
        HookKeyEvent event;
    };
    const Case cases[] = {
        {0x001E0001, {"A", false, false}},        {0x401E0001, {"A", false, true}},  // auto-repeat
        {0xC01E0001, {"A", true, true}},                                             // release
        {0xC11D0001, {"Right Ctrl", true, true}}, {0x001D0001, {"Ctrl", false, false}},
    };
    for (const Case& c : cases) {
        const HookKeyEvent event = HookKeyEventOfKeyData(c.key_data);
        EXPECT_EQ(event.key_name, c.event.key_name) << std::hex << c.key_data;
        EXPECT_EQ(event.released, c.event.released) << std::hex << c.key_data;
        EXPECT_EQ(event.previously_down, c.event.previously_down) << std::hex << c.key_data;
    }
}

}  // namespace
}  // namespace corvanti
