#pragma once

#include <string>
#include <vector>

#include "app/language_texts.h"
#include "profile/key_function.h"

namespace corvanti {

// The text of a function-list entry in the window's language; a type above 15 has none.
const std::string& FunctionEntryText(const LanguageTexts& texts, FunctionType type);

// The sixteen entries of a button's function list in type order, so an entry's position is
// the function type it stores.
std::vector<std::string> FunctionListEntries(const LanguageTexts& texts);

}  // namespace corvanti
