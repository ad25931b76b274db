#pragma once

#include "app/device_event_balloon.h"
#include "app/language_texts.h"

namespace corvanti {

// The balloon rows of the language table, in the language the texts were chosen in.
BalloonTexts BalloonTextsFrom(const LanguageTexts& texts);

}  // namespace corvanti
