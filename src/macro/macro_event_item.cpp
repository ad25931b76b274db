#include "macro/macro_event_item.h"

#include "common/text_format.h"
#include "macro/lenient_number.h"

namespace corvanti {

namespace {

std::string WithoutEvery(std::string_view text, std::string_view part) {
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(part); found != std::string_view::npos;
         found = text.find(part, start)) {
        result.append(text.substr(start, found - start));
        start = found + part.size();
    }
    result.append(text.substr(start));
    return result;
}

}  // namespace

std::string PressItem(std::string_view key_name) {
    return std::string(key_name).append(kPressMarker);
}

std::string ReleaseItem(std::string_view key_name) {
    return std::string(key_name).append(kReleaseMarker);
}

std::string DelayItem(int milliseconds) {
    return FormatText("%d ms", milliseconds);
}

std::string FixedDelayItem() {
    return DelayItem(kFixedDelayMs);
}

std::optional<KeyEventItem> ParseKeyEventItem(std::string_view item) {
    if (item.find(kPressMarker) != std::string_view::npos) {
        return KeyEventItem{false, WithoutEvery(item, kPressMarker)};
    }
    if (item.find(kReleaseMarker) != std::string_view::npos) {
        return KeyEventItem{true, WithoutEvery(item, kReleaseMarker)};
    }
    return std::nullopt;
}

int DelayOfItem(std::string_view item) {
    return LenientNumber(WithoutEvery(item, kDelaySuffix));
}

bool LooksLikeDelay(std::string_view item) {
    return item.find(kDelayMark) != std::string_view::npos;
}

}  // namespace corvanti
