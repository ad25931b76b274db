#include "macro/macro_editor.h"

#include <algorithm>
#include <utility>

#include "macro/lenient_number.h"
#include "macro/macro_block.h"
#include "macro/macro_event_item.h"
#include "macro/macro_name.h"
#include "macro/mouse_event_insertion.h"

namespace corvanti {

namespace {

constexpr std::string_view kResetLoopCountText = "1";

std::optional<std::size_t> ValidIndex(std::optional<std::size_t> index, std::size_t size) {
    return index && *index < size ? index : std::nullopt;
}

std::ptrdiff_t Offset(std::size_t index) {
    return static_cast<std::ptrdiff_t>(index);
}

}  // namespace

MacroEditor::MacroEditor(const MacroStore& store, ProfileRecord& record, RecordingHook& hook,
                         UserMessages& messages, MacroPageTexts texts)
    : store_(store), record_(record), hook_(hook), messages_(messages), texts_(std::move(texts)) {}

void MacroEditor::Show(std::string_view text, std::string_view caption) {
    messages_.ShowMessage(text, caption);
}

bool MacroEditor::Lists(std::string_view name) const {
    return std::any_of(macros_.begin(), macros_.end(),
                       [name](const std::string& listed) { return SameMacroName(listed, name); });
}

void MacroEditor::SetUpPage() {
    macros_.clear();
    selected_macro_.reset();
    events_.clear();
    selected_event_.reset();
    name_text_.clear();
    loop_count_text_.clear();
    chosen_mouse_event_.clear();
    mouse_event_list_open_ = false;
    if (!store_.Exists()) {
        return;
    }
    macros_ = store_.ListMacros();
    if (!macros_.empty()) {
        name_text_ = macros_.front();
        events_ = store_.ReadMacro(macros_.front());
        selected_macro_ = 0;
    }
    SetLoopCountText(macros_.empty() ? std::string() : std::to_string(MacroLoopCount(record_, 0)));
}

void MacroEditor::LeavePage() {
    hook_.Remove();
    mouse_event_list_open_ = false;
}

void MacroEditor::SelectMacro(std::optional<std::size_t> index) {
    selected_macro_ = ValidIndex(index, macros_.size());
    if (!selected_macro_) {
        return;
    }
    name_text_ = macros_[*selected_macro_];
    selected_event_.reset();
    std::vector<std::string> items = store_.ReadMacro(name_text_);
    if (items.empty()) {
        events_.clear();
        return;
    }
    events_ = std::move(items);
    SetLoopCountText(std::to_string(MacroLoopCount(record_, *selected_macro_)));
}

void MacroEditor::SetNameText(std::string_view text) {
    name_text_ = text;
}

void MacroEditor::SetLoopCountText(std::string_view text) {
    const int typed = LenientNumber(text);
    const bool in_range = typed >= kMinLoopCount && typed <= kMaxLoopCount;
    // A fresh string rather than an assignment into the old one: GCC 12 misreads the latter.
    loop_count_text_ = in_range ? std::string(text) : std::string(kResetLoopCountText);
    if (selected_macro_) {
        const int count = in_range ? typed : kMinLoopCount;
        SetMacroLoopCount(record_, *selected_macro_, static_cast<std::uint16_t>(count));
    }
}

void MacroEditor::NewMacro() {
    const std::string name = TrimmedMacroName(name_text_);
    if (CheckMacroName(name) == MacroNameCheck::kBlank) {
        Show(texts_.blank_name, kApplicationTitle);
    } else if (macros_.size() >= kMacroBlockCount) {
        Show(kMacroLimitText, kWarningCaption);
    } else if (Lists(name)) {
        Show(texts_.name_exists, kApplicationTitle);
    } else if (CheckMacroName(name) == MacroNameCheck::kUnusable) {
        Show(kMacroNameUnusableText, kWarningCaption);
    } else {
        // Exists only in the list until it is confirmed.
        macros_.push_back(name);
        events_.clear();
        selected_event_.reset();
        selected_macro_ = macros_.size() - 1;
    }
}

void MacroEditor::DeleteMacro() {
    if (!selected_macro_) {
        return;
    }
    const std::string name = macros_[*selected_macro_];
    macros_.erase(macros_.begin() + Offset(*selected_macro_));
    selected_macro_.reset();
    events_.clear();
    selected_event_.reset();
    name_text_.clear();
    if (!store_.DeleteMacro(name)) {
        Show(kMacroFileUnwritableText, kErrorCaption);
    }
}

void MacroEditor::ConfirmMacro() {
    if (!selected_macro_) {
        return;
    }
    ShowSaveOutcome(store_.SaveMacro(macros_[*selected_macro_], events_, record_));
}

void MacroEditor::ShowSaveOutcome(MacroSaveOutcome outcome) {
    switch (outcome) {
        case MacroSaveOutcome::kSaved:
            return;
        case MacroSaveOutcome::kNameBlank:
            Show(texts_.blank_name, kApplicationTitle);
            return;
        case MacroSaveOutcome::kNameUnusable:
            Show(kMacroNameUnusableText, kWarningCaption);
            return;
        case MacroSaveOutcome::kTooManyMacros:
            Show(kMacroLimitText, kWarningCaption);
            return;
        case MacroSaveOutcome::kTooManyEvents:
            Show(kMacroTooLongText, kWarningCaption);
            return;
        case MacroSaveOutcome::kFileUnwritable:
            Show(kMacroFileUnwritableText, kErrorCaption);
            return;
    }
}

bool MacroEditor::StartRecording() {
    if (macros_.empty()) {
        Show(texts_.blank_name, kWarningCaption);
        return false;
    }
    Show(texts_.start_recording, kApplicationTitle);
    hook_.Remove();
    events_.clear();
    selected_event_.reset();
    if (const unsigned long error = hook_.Install(); error != 0) {
        Show(HookInstallErrorText(error), kApplicationTitle);
        return false;
    }
    recording_started_ = true;
    first_event_added_ = false;
    return true;
}

void MacroEditor::StopRecording() {
    // Captured no longer while the box is up: the key that dismisses it is not the user's
    // macro.
    hook_.Remove();
    Show(texts_.stop_recording, kApplicationTitle);
    if (!recording_started_) {
        Show(texts_.not_recording, kWarningCaption);
    }
}

std::optional<KeyTransition> MacroEditor::FilterHookKey(const HookKeyEvent& event) const {
    return FilterRecordedKey(event, last_key_down_);
}

void MacroEditor::AddEvent(std::string item) {
    events_.push_back(std::move(item));
    selected_event_ = events_.size() - 1;
}

void MacroEditor::OnRecordedKey(std::uintptr_t transition, std::string_view key_name) {
    if (!selected_macro_) {
        return;
    }
    if (transition == static_cast<std::uintptr_t>(KeyTransition::kDown)) {
        // The first key-down of a recording has no pause before it.
        if (first_event_added_) {
            AddEvent(FixedDelayItem());
            last_key_down_ = key_name;
        }
        first_event_added_ = true;
        AddEvent(PressItem(key_name));
    } else if (transition == static_cast<std::uintptr_t>(KeyTransition::kUp)) {
        AddEvent(FixedDelayItem());
        AddEvent(ReleaseItem(key_name));
    }
}

void MacroEditor::ToggleMouseEventList() {
    mouse_event_list_open_ = !mouse_event_list_open_;
}

void MacroEditor::CloseMouseEventList() {
    mouse_event_list_open_ = false;
}

void MacroEditor::ChooseMouseEvent(std::size_t entry) {
    if (entry >= kMouseEventEntries.size()) {
        return;
    }
    const std::string_view chosen = kMouseEventEntries[entry];
    if (const std::optional<EventInsertion> insertion = PlanMouseEventInsertion(
            chosen, events_, selected_event_, selected_macro_.has_value())) {
        events_.insert(events_.begin() + Offset(insertion->position), insertion->items.begin(),
                       insertion->items.end());
        selected_event_ = insertion->selection;
    }
    chosen_mouse_event_ = chosen;
    mouse_event_list_open_ = false;
}

void MacroEditor::SelectEvent(std::optional<std::size_t> index) {
    selected_event_ = ValidIndex(index, events_.size());
}

bool MacroEditor::OpensDelayDialog(std::size_t index) const {
    return index < events_.size() && LooksLikeDelay(events_[index]);
}

void MacroEditor::ReplaceDelay(std::size_t index, const DelayEntry& entry) {
    if (!OpensDelayDialog(index)) {
        return;
    }
    events_[index] = DelayItemFor(entry);
    selected_event_ = index;
}

void MacroEditor::DeleteSelectedEvent() {
    if (!ValidIndex(selected_event_, events_.size())) {
        return;
    }
    events_.erase(events_.begin() + Offset(*selected_event_));
    selected_event_.reset();
}

}  // namespace corvanti
