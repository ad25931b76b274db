#include "common/text_encoding.h"

#include <gtest/gtest.h>

namespace corvanti {
namespace {

struct RoundTripCase {
    const char* utf8;
    std::u16string utf16;
};

TEST(TextEncoding, ValidTextRoundTripsThroughEveryForm) {
    const RoundTripCase cases[] = {
        {"", u""},
        {"Item13=Left Click", u"Item13=Left Click"},
        {"\xE5\xB7\xA6\xE9\x94\xAE", u"\u5DE6\u952E"},        // 左键
        {"\xC3\xA9\xF0\x9F\x98\x80!", u"\u00E9\U0001F600!"},  // é, then a surrogate pair
        {"\xEF\xBF\xBF\xF4\x8F\xBF\xBF", u"\uFFFF\U0010FFFF"},
    };
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << utf8;
        EXPECT_EQ(Utf16ToUtf8(utf16), utf8) << utf8;
        EXPECT_EQ(WideToUtf8(Utf8ToWide(utf8)), utf8) << utf8;
    }
}

TEST(TextEncoding, InvalidUtf8BecomesReplacementCharacters) {
    const struct {
        std::string bytes;
        std::u16string expected;
    } cases[] = {
        {"a\xC0\x80z", u"a\uFFFD\uFFFDz"},                  // over-long form of NUL
        {"\xE4\xB8", u"\uFFFD\uFFFD"},                      // sequence cut off at the end
        {"\xED\xA0\x80", u"\uFFFD"},                        // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
        {"\x80\xFF", u"\uFFFD\uFFFD"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(Utf8ToUtf16(bytes), expected);
        EXPECT_EQ(Utf8ToWide(bytes).size(), expected.size());
    }
}

TEST(TextEncoding, UnpairedSurrogatesBecomeReplacementCharacters) {
    const std::u16string high_alone = {0xD83D, u'a'};
    const std::u16string low_alone = {0xDE00};
    const std::u16string reversed = {0xDE00, 0xD83D};
    EXPECT_EQ(Utf16ToUtf8(high_alone),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_EQ(Utf16ToUtf8(low_alone), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(reversed), "\xEF\xBF\xBD\xEF\xBF\xBD");
    const std::wstring wide_alone = {static_cast<wchar_t>(0xD83D)};
    EXPECT_EQ(WideToUtf8(wide_alone), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace corvanti
