#include "assign/win/windows_dialog.h"

#include "assign/choice_lists.h"

namespace corvanti::assign {

CWindowsDialog::CWindowsDialog(const SkinContext& context, UserMessages* messages)
    : ListChoiceDialog(SkinDialogKind::kWindowsFunction, kWindowsFunctionLayout,
                       &WindowsFunctionEntries, context, messages) {}

}  // namespace corvanti::assign
