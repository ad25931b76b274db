#include "profile_text/profile_text_diff.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "profile/factory_profile.h"
#include "profile/key_function.h"

namespace corvanti {
namespace {

using Lines = std::vector<std::string>;

TEST(ProfileTextDiff, ChangesReadInTheTermsOfTheTextInItsOrder) {
    const ProfileFileContent factory{1, FactoryProfile()};
    const struct {
        const char* what;
        std::function<void(ProfileFileContent&)> change;
        Lines expected;
    } cases[] = {
        {"nothing", [](ProfileFileContent&) {}, {}},
        {"a button in both modes, a parameter gained and one lost",
         [](ProfileFileContent& c) {
             for (const KeyMode mode : {KeyMode::A, KeyMode::B}) {
                 c.record.set_slot(mode, SlotField::FunctionType, 2, 11);
                 c.record.set_slot(mode, SlotField::SingleKeyCode, 2, 0x29);
             }
             c.record.set_slot(KeyMode::B, SlotField::FunctionType, 8, 15);
         },
         {"mode_a.button3.function: \"Mid Click\" -> \"Single Key\"",
          "mode_a.button3.key: (none) -> \"Esc\"",
          "mode_b.button3.function: \"Mid Click\" -> \"Single Key\"",
          "mode_b.button3.key: (none) -> \"Esc\"",
          "mode_b.button9.function: \"Windows\" -> \"Key Off\"",
          "mode_b.button9.entry: \"My Computer\" -> (none)",
          // The Windows function's index and usage stay in the slot, without a name now.
          "raw.0x00ec: (none) -> \"03\"", "raw.0x00f8: (none) -> \"94\"",
          "raw.0x0104: (none) -> \"01\""}},
        {"a reserved byte and the first-run flag",
         [](ProfileFileContent& c) {
             c.first_run_flag = 0;
             c.record.bytes()[kReservedAfterRateOffset] = 7;
         },
         {"first_run_flag: 1 -> 0", "raw.0x0786: (none) -> \"07\""}},
        {"a macro event",
         [](ProfileFileContent& c) {
             const std::uint8_t block[] = {0, 1, 5, 0x04};
             std::copy(std::begin(block), std::end(block), c.record.macro_block(0).begin());
         },
         {"macro1.loop_count: (none) -> 1", "macro1.events[1].press: (none) -> \"A\"",
          "macro1.events[1].delay: (none) -> 50"}},
    };
    for (const auto& c : cases) {
        ProfileFileContent changed = factory;
        c.change(changed);
        EXPECT_EQ(DiffProfiles(factory, changed), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace corvanti
