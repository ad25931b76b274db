#include "macro/lenient_number.h"

#include <cstdint>
#include <limits>

namespace corvanti {

namespace {

bool IsLeadingBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

int LenientNumber(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && IsLeadingBlank(text[position])) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '-' || text[position] == '+')) {
        negative = text[position] == '-';
        ++position;
    }
    // One past int's largest magnitude, so the negative end is reachable too.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        if (magnitude < kLimit) {
            magnitude = magnitude * 10 + (text[position] - '0');
        }
    }
    if (magnitude > kLimit) {
        magnitude = kLimit;
    }
    if (negative) {
        return static_cast<int>(-magnitude);
    }
    return magnitude >= kLimit ? std::numeric_limits<int>::max() : static_cast<int>(magnitude);
}

}  // namespace corvanti
