#include "assign/win/list_choice_dialog.h"

namespace corvanti::assign {

namespace {

skin::FrameOptions ListChoiceFrame(const ListChoiceLayout& layout) {
    skin::FrameOptions options;
    // The list draws its rows in the text background colour: without the dark one its white
    // entries would stand on white rows.
    options.child_colours =
        ChildColourRule{.statics = true, .list_boxes = true, .list_box_background = true};
    options.dropdown = skin::DropdownListSpec{
        .value_box_id = layout.value_box_id,
        .value_box = layout.value_box,
        .value_box_centred = false,
        .geometry = {layout.trigger, layout.list},
        .list_id = layout.list_id,
        .disabled_while_open = {},
        .wheel_scrolls = false,
    };
    return options;
}

}  // namespace

ListChoiceDialog::ListChoiceDialog(SkinDialogKind kind, const ListChoiceLayout& layout,
                                   EntriesInLanguage entries_in, const SkinContext& context,
                                   UserMessages* messages)
    : SkinnedDialogFrame(kind, context, ListChoiceFrame(layout), messages),
      entries_in_(entries_in) {}

void ListChoiceDialog::SetLanguageTexts(Language language) {
    entries_ = entries_in_(language);
    if (!entries_.empty()) {
        SetChoiceText(entries_.front());
    }
}

}  // namespace corvanti::assign
