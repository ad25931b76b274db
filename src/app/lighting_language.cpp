#include "app/lighting_language.h"

namespace corvanti {

namespace {

// By mode code 0-3 and by effect code 0-3.
constexpr std::array<TextRole, kLightingTextCount> kModeRoles = {
    TextRole::LightingModeOff, TextRole::LightingModeStandard, TextRole::LightingModeBreathing,
    TextRole::LightingModeNeon};
constexpr std::array<TextRole, kLightingTextCount> kEffectRoles = {
    TextRole::DpiEffectOff, TextRole::DpiEffectRgbEffect, TextRole::DpiEffectRgbFlash,
    TextRole::DpiEffectRgbSteady};

}  // namespace

LightingTexts LightingTextsOf(const LanguageTexts& texts) {
    LightingTexts lighting;
    for (std::size_t code = 0; code < kLightingTextCount; ++code) {
        lighting.modes[code] = texts.Text(kModeRoles[code]);
        lighting.effects[code] = texts.Text(kEffectRoles[code]);
    }
    return lighting;
}

}  // namespace corvanti
