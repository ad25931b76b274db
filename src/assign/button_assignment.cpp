#include "assign/button_assignment.h"

#include "assign/button_captions.h"
#include "assign/button_drawing.h"
#include "assign/button_geometry.h"
#include "assign/capture_results.h"
#include "assign/dpi_function_list.h"
#include "assign/function_list.h"

namespace corvanti {

namespace {

// An existing Shift key is looked for among the first eight buttons only; buttons 9 and 10 may
// carry a second one.
constexpr std::size_t kShiftExclusiveSlots = 8;

constexpr int kNoSelection = -1;

std::uint8_t TypeByte(FunctionType type) {
    return static_cast<std::uint8_t>(type);
}

// Every change that closes the function lists takes the secondary DPI list along.
ButtonListOutcome DpiListClosed() {
    ButtonListOutcome outcome;
    outcome.destroy_dpi_list = true;
    return outcome;
}

KeyMode OtherMode(KeyMode mode) {
    return mode == KeyMode::A ? KeyMode::B : KeyMode::A;
}

}  // namespace

ButtonAssignment::ButtonAssignment(ProfileRecord& record, ButtonCaptions& captions,
                                   const LanguageTexts& texts, CaptureDialogs& dialogs,
                                   UserMessages& messages)
    : record_(record), captions_(captions), texts_(texts), dialogs_(dialogs), messages_(messages) {}

ButtonListOutcome ButtonAssignment::ToggleList(int button) {
    if (button < 1 || button > static_cast<int>(kMouseButtonCount)) {
        return {};
    }
    const auto slot = static_cast<std::size_t>(button - 1);
    ButtonListOutcome outcome;
    if (const auto closed = lists_.Close()) {
        outcome.destroy_list = ButtonListId(*closed);
        if (*closed == slot) {
            return outcome;
        }
    }
    if (HoldsOnlyLeftClick(slot, record_.shown_key_mode())) {
        messages_.ShowMessage(texts_.Text(TextRole::LeftButtonWarning), kWarningCaption);
        return outcome;
    }
    outcome.create_list =
        ListBoxWindow{ButtonListId(slot), ButtonListArea(slot), FunctionListEntries(texts_)};
    lists_.Open(slot);
    return outcome;
}

ButtonListOutcome ButtonAssignment::ChooseFunction(int selection) {
    const auto slot = lists_.OpenSlot();
    if (!slot || selection <= kNoSelection || selection >= static_cast<int>(kFunctionTypeCount)) {
        return {};
    }
    const auto type = static_cast<FunctionType>(selection);
    if (type == FunctionType::DpiSwitch) {
        // Chosen through the secondary DPI list beside this entry instead.
        return {};
    }
    ApplyChoice(*slot, type);
    return CloseChosenList(*slot);
}

ButtonListOutcome ButtonAssignment::ChooseDpiFunction(int position) {
    const auto slot = lists_.OpenSlot();
    if (!slot) {
        // Nothing left to give the function to: the stray list only goes away.
        return DpiListClosed();
    }
    if (position < 0 || position >= static_cast<int>(kDpiFunctionCount)) {
        return {};
    }
    const KeyMode mode = record_.shown_key_mode();
    const auto code = static_cast<std::uint8_t>(position + 1);
    record_.set_dpi_switch_code(mode, *slot, code);
    StoreFunction(*slot, mode, FunctionType::DpiSwitch, std::string(DpiSwitchName(code)));
    ButtonListOutcome outcome = CloseChosenList(*slot);
    outcome.destroy_dpi_list = true;
    return outcome;
}

ButtonListOutcome ButtonAssignment::CloseListsOutside(ClientPoint click) {
    ButtonListOutcome outcome = DpiListClosed();
    if (const auto closed = lists_.CloseUnlessInside(click)) {
        outcome.destroy_list = ButtonListId(*closed);
    }
    return outcome;
}

ButtonListOutcome ButtonAssignment::CloseLists() {
    ButtonListOutcome outcome = DpiListClosed();
    if (const auto closed = lists_.Close()) {
        outcome.destroy_list = ButtonListId(*closed);
    }
    return outcome;
}

DrawList ButtonAssignment::ShowKeyMode(KeyMode mode) {
    record_.set_shown_key_mode(mode);
    DrawList list = DrawKeyModeButtons(mode);
    Append(list, DrawDropdownBoxes(captions_, mode));
    return list;
}

DrawList ButtonAssignment::DefaultKeys() {
    ApplyDefaultKeyLayout(record_);
    const ButtonCaptions defaults = FirstRunCaptions(texts_);
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t slot = 0; slot < kMouseButtonCount; ++slot) {
            SetButtonCaption(captions_, mode, slot, ButtonCaption(defaults, mode, slot));
        }
    }
    return DrawDropdownBoxes(captions_, record_.shown_key_mode());
}

bool ButtonAssignment::HoldsOnlyLeftClick(std::size_t slot, KeyMode mode) const {
    const auto type_of = [&](std::size_t s) {
        return record_.slot(mode, SlotField::FunctionType, s);
    };
    if (type_of(slot) != TypeByte(FunctionType::LeftClick)) {
        return false;
    }
    for (std::size_t other = 0; other < kSlotsPerArray; ++other) {
        if (other != slot && type_of(other) == TypeByte(FunctionType::LeftClick)) {
            return false;
        }
    }
    return true;
}

bool ButtonAssignment::ShiftTaken(KeyMode mode) const {
    for (std::size_t slot = 0; slot < kShiftExclusiveSlots; ++slot) {
        if (record_.slot(mode, SlotField::FunctionType, slot) == TypeByte(FunctionType::Shift)) {
            return true;
        }
    }
    return false;
}

void ButtonAssignment::ApplyChoice(std::size_t slot, FunctionType type) {
    const KeyMode mode = record_.shown_key_mode();
    if (type == FunctionType::Shift) {
        AssignShift(slot, mode);
        return;
    }
    if (!NeedsCaptureDialog(type)) {
        StoreFunction(slot, mode, type, FunctionEntryText(texts_, type));
        return;
    }
    if (const auto caption = RunCaptureDialog(type, dialogs_, record_, mode, slot, texts_)) {
        StoreFunction(slot, mode, type, *caption);
    }
}

void ButtonAssignment::AssignShift(std::size_t slot, KeyMode mode) {
    if (ShiftTaken(mode)) {
        return;
    }
    // The mouse has one Shift key for both key modes.
    const std::string& caption = FunctionEntryText(texts_, FunctionType::Shift);
    for (KeyMode each : {KeyMode::A, KeyMode::B}) {
        record_.set_slot(each, SlotField::FunctionType, slot, TypeByte(FunctionType::Shift));
        SetButtonCaption(captions_, each, slot, caption);
    }
}

void ButtonAssignment::StoreFunction(std::size_t slot, KeyMode mode, FunctionType type,
                                     const std::string& caption) {
    const bool leaves_shift =
        record_.slot(mode, SlotField::FunctionType, slot) == TypeByte(FunctionType::Shift);
    record_.set_slot(mode, SlotField::FunctionType, slot, TypeByte(type));
    SetButtonCaption(captions_, mode, slot, caption);
    if (leaves_shift) {
        // A Shift key lives in both key modes, so giving it up changes both; the other mode's
        // parameter fields keep what they held.
        record_.set_slot(OtherMode(mode), SlotField::FunctionType, slot, TypeByte(type));
        SetButtonCaption(captions_, OtherMode(mode), slot, caption);
    }
}

ButtonListOutcome ButtonAssignment::CloseChosenList(std::size_t slot) {
    lists_.Close();
    ButtonListOutcome outcome;
    outcome.destroy_list = ButtonListId(slot);
    outcome.draw = DrawDropdownBox(slot, ButtonCaption(captions_, record_.shown_key_mode(), slot));
    return outcome;
}

}  // namespace corvanti
