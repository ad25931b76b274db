#pragma once

#include "app/language_texts.h"
#include "macro/macro_messages.h"

namespace corvanti {

// The macro page's message and title texts in the window's language.
MacroPageTexts MacroPageTextsOf(const LanguageTexts& texts);

}  // namespace corvanti
