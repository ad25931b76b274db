#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/language_texts.h"
#include "assign/capture_dialogs.h"
#include "profile/key_function.h"
#include "profile/profile_record.h"

namespace corvanti {

// The entries of the function list that first ask the user for details in a dialog
// (Windows ... Macro Key).
bool NeedsCaptureDialog(FunctionType type);

// Runs the capture dialog of `type` and, when the user ends it with OK, stores its result as
// codes in `slot` of key `mode` (that mode's fields only) and returns the slot's new caption.
// Cancel, or a type without a dialog, stores nothing and gives no caption.
std::optional<std::string> RunCaptureDialog(FunctionType type, CaptureDialogs& dialogs,
                                            ProfileRecord& record, KeyMode mode, std::size_t slot,
                                            const LanguageTexts& texts);

// The keys of a combination as a caption shows them: the modifier, the first and the second
// key joined by "+", each only when its code is not 0 ("Left Ctrl+B", "A", or empty).
std::string CombinationText(const ComboKeyChoice& choice);

}  // namespace corvanti
