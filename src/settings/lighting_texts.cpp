#include "settings/lighting_texts.h"

#include <string_view>

namespace corvanti {

namespace {

constexpr std::array<std::string_view, 10> kBrightnessTexts = {"5%",  "15%", "25%", "35%", "45%",
                                                               "55%", "65%", "75%", "85%", "100%"};
constexpr std::array<std::string_view, 5> kRespirationPeriodTexts = {"8S", "7S", "6S", "5S", "4S"};
constexpr std::size_t kNeonPeriodCount = 30;
constexpr std::string_view kSecondsUnit = "S";
constexpr std::string_view kHalfSecond = ".5";

template <std::size_t N>
std::vector<std::string> Entries(const std::array<std::string_view, N>& table) {
    return {table.begin(), table.end()};
}

std::string TextOfCode(const std::array<std::string, kLightingTextCount>& texts,
                       std::uint8_t code) {
    return code < texts.size() ? texts[code] : std::string();
}

}  // namespace

std::string LightingModeText(const LightingTexts& texts, std::uint8_t mode) {
    return TextOfCode(texts.modes, mode);
}

std::string LightingEffectText(const LightingTexts& texts, std::uint8_t code) {
    return TextOfCode(texts.effects, code);
}

std::string NeonPeriodText(std::size_t index) {
    const std::size_t half_seconds = index + 1;
    std::string text = std::to_string(half_seconds / 2);
    if (half_seconds % 2 != 0) {
        text.append(kHalfSecond);
    }
    text.append(kSecondsUnit);
    return text;
}

std::vector<std::string> LightingParameterEntries(std::uint8_t mode) {
    switch (mode) {
        case kLightingStandard:
            return Entries(kBrightnessTexts);
        case kLightingRespiration:
            return Entries(kRespirationPeriodTexts);
        default: {
            std::vector<std::string> entries;
            for (std::size_t i = 0; i < kNeonPeriodCount; ++i) {
                entries.push_back(NeonPeriodText(i));
            }
            return entries;
        }
    }
}

std::string LightingParameterText(std::uint8_t mode, std::uint8_t index) {
    if (mode != kLightingStandard && mode != kLightingRespiration && mode != kLightingNeon) {
        return {};
    }
    const std::vector<std::string> entries = LightingParameterEntries(mode);
    return index < entries.size() ? entries[index] : std::string();
}

}  // namespace corvanti
