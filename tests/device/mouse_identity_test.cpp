#include "device/mouse_identity.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace corvanti {
namespace {

// The interface class is kept in two forms, the fields for registering notifications and the
// text that ends interface names: both must name the same class.
TEST(MouseIdentity, InterfaceClassTextSpellsTheInterfaceClassFields) {
    const auto& id = kHidInterfaceClass;
    char text[40] = {};
    std::snprintf(text, sizeof text, "{%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}",
                  static_cast<unsigned>(id.data1), unsigned{id.data2}, unsigned{id.data3},
                  unsigned{id.data4[0]}, unsigned{id.data4[1]}, unsigned{id.data4[2]},
                  unsigned{id.data4[3]}, unsigned{id.data4[4]}, unsigned{id.data4[5]},
                  unsigned{id.data4[6]}, unsigned{id.data4[7]});
    EXPECT_EQ(std::string(text), kHidInterfaceClassText);
}

}  // namespace
}  // namespace corvanti
