#pragma once

#include <string>
#include <vector>

#include "common/language.h"

namespace corvanti {

// The entries the capture dialogs offer in their drop-down lists, in list order: a list
// position is what the dialog returns and what the assignment turns into a code.

// The seven multimedia functions, in the dialog's language.
std::vector<std::string> MultimediaEntries(Language language);

// The eleven application and browser functions, in the dialog's language.
std::vector<std::string> WindowsFunctionEntries(Language language);

// The 61 keys and mouse buttons a fire key can repeat; the same in every language.
std::vector<std::string> FireKeyEntries();

// The eight modifiers of a key combination; the same in every language, and spelled as the
// modifier table spells them so the choice turns into its mask.
std::vector<std::string> ModifierEntries();

}  // namespace corvanti
