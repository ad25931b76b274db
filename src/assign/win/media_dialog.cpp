#include "assign/win/media_dialog.h"

#include "assign/choice_lists.h"

namespace corvanti::assign {

CMediaDialog::CMediaDialog(const SkinContext& context, UserMessages* messages)
    : ListChoiceDialog(SkinDialogKind::kMultimedia, kMultimediaLayout, &MultimediaEntries, context,
                       messages) {}

}  // namespace corvanti::assign
