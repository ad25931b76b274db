#include "common/hex_text.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

TEST(HexTextTest, WritesLowerCaseAndReadsEitherCase) {
    const std::vector<std::uint8_t> bytes = {0x00, 0x0A, 0xF0, 0xFF};
    EXPECT_EQ(ToHex(bytes), "000af0ff");
    EXPECT_EQ(ParseHex("000aF0Ff"), bytes);
    EXPECT_EQ(ParseHex(""), std::vector<std::uint8_t>{});
}

TEST(HexTextTest, RejectsOddLengthAndNonDigits) {
    for (const char* text : {"0", "abc", "0g", "zz", " 0a", "0a "}) {
        EXPECT_FALSE(ParseHex(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace corvanti
