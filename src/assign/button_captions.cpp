#include "assign/button_captions.h"

#include <optional>
#include <utility>

namespace corvanti {

namespace {

const std::string kNoCaption;

// Mode A buttons 1-12 come first, then mode B.
std::optional<std::size_t> CaptionIndex(KeyMode mode, std::size_t slot) {
    if (slot >= kCaptionButtonCount) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(mode) * kCaptionButtonCount + slot;
}

}  // namespace

const std::string& ButtonCaption(const ButtonCaptions& captions, KeyMode mode, std::size_t slot) {
    const auto index = CaptionIndex(mode, slot);
    return index ? captions[*index] : kNoCaption;
}

void SetButtonCaption(ButtonCaptions& captions, KeyMode mode, std::size_t slot, std::string text) {
    if (const auto index = CaptionIndex(mode, slot)) {
        captions[*index] = std::move(text);
    }
}

}  // namespace corvanti
