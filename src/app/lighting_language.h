#pragma once

#include "app/language_texts.h"
#include "settings/lighting_texts.h"

namespace corvanti {

// The lighting mode and effect names of the window's language, for the lighting panel.
LightingTexts LightingTextsOf(const LanguageTexts& texts);

}  // namespace corvanti
