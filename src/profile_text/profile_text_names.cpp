#include "profile_text/profile_text_names.h"

#include <charconv>

#include "app/language_texts.h"
#include "app/lighting_language.h"
#include "settings/dpi_values.h"
#include "settings/report_rate.h"

namespace corvanti {

namespace {

LightingTexts EnglishLightingTexts() {
    return LightingTextsOf(LanguageTexts(Language::English));
}

}  // namespace

std::string_view KeyModeTableName(KeyMode mode) {
    return mode == KeyMode::A ? "mode_a" : "mode_b";
}

std::string_view KeyModeName(KeyMode mode) {
    return mode == KeyMode::A ? "Mode A" : "Mode B";
}

std::string NumberedKey(std::string_view prefix, std::size_t index) {
    return std::string(prefix) + std::to_string(index + 1);
}

std::optional<std::size_t> IndexOfNumberedKey(std::string_view key, std::string_view prefix,
                                              std::size_t count) {
    if (!key.starts_with(prefix)) {
        return std::nullopt;
    }
    const std::string_view digits = key.substr(prefix.size());
    std::size_t number = 0;
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number);
    if (digits.empty() || digits.front() == '0' || error != std::errc{} || stop != end ||
        number < 1 || number > count) {
        return std::nullopt;
    }
    return number - 1;
}

std::optional<int> ReportsPerSecondOfCode(std::uint8_t code) {
    for (const ReportRateCell& cell : kReportRateCells) {
        if (cell.code == code) {
            return cell.reports_per_second;
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> ReportRateCodeOf(long long reports_per_second) {
    for (const ReportRateCell& cell : kReportRateCells) {
        if (cell.reports_per_second == reports_per_second) {
            return cell.code;
        }
    }
    return std::nullopt;
}

std::size_t MostDpiLevels() {
    constexpr int kSensorWithTwelveLevels = 0;
    return DpiLevelCount(kSensorWithTwelveLevels);
}

const std::vector<std::string>& LightingModeNames() {
    static const std::vector<std::string> names = [] {
        const auto modes = EnglishLightingTexts().modes;
        return std::vector<std::string>(modes.begin(), modes.end());
    }();
    return names;
}

const std::vector<std::string>& LightingEffectNames() {
    static const std::vector<std::string> names = [] {
        const auto effects = EnglishLightingTexts().effects;
        return std::vector<std::string>(effects.begin(), effects.end());
    }();
    return names;
}

}  // namespace corvanti
