#include "assign/fire_key_entry.h"

#include <utility>

namespace corvanti {

namespace {

// Any value past the range reads as this, so a long run of digits cannot overflow.
constexpr int kSaturatedValue = kFireKeyMaxNumber + 1;
constexpr int kDecimalBase = 10;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value when it lies in [minimum, 255]; otherwise the replacement, which the box must
// then show.
std::optional<std::string> Confine(std::string_view text, int minimum, int replacement,
                                   int& value) {
    const int typed = LeadingDecimal(text);
    if (typed < minimum || typed > kFireKeyMaxNumber) {
        value = replacement;
        return std::to_string(replacement);
    }
    value = typed;
    return std::nullopt;
}

}  // namespace

int LeadingDecimal(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            break;
        }
        value = value * kDecimalBase + (c - '0');
        if (value >= kSaturatedValue) {
            return kSaturatedValue;
        }
    }
    return value;
}

std::optional<std::string> FireKeyEntry::OnSpeedFocusLost(std::string_view text) {
    return Confine(text, kFireKeyMinSpeed, kFireKeySpeedReplacement, choice_.speed);
}

std::optional<std::string> FireKeyEntry::OnCountChanged(std::string_view text) {
    return Confine(text, kFireKeyMinCount, kFireKeyCountReplacement, choice_.count);
}

void FireKeyEntry::OnKeyChosen(int index, std::string text) {
    choice_.key_index = index;
    choice_.key_text = std::move(text);
}

std::string FireKeyEntry::InitialSpeedText() const {
    return std::to_string(choice_.speed);
}

std::string FireKeyEntry::InitialCountText() const {
    return std::to_string(choice_.count);
}

}  // namespace corvanti
