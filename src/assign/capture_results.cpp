#include "assign/capture_results.h"

#include <algorithm>
#include <cstdint>

#include "assign/function_list.h"
#include "profile/key_name_table.h"
#include "profile/parameter_lists.h"

namespace corvanti {

namespace {

constexpr std::string_view kCaptionSeparator = "-";
constexpr std::string_view kCombinationJoiner = "+";
constexpr int kFirstRepeatMode = 1;
constexpr int kLastRepeatMode = static_cast<int>(kMacroRepeatModeCount);

// A dialog hands back plain ints; a value that does not fit a record byte is held at the
// byte's nearest end rather than wrapped into an unrelated value.
std::uint8_t RecordByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 0xFF));
}

// A list position as the code tables take it; a negative position is past every list.
std::size_t ListPosition(int index) {
    return index < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(index);
}

std::string PrefixedCaption(const LanguageTexts& texts, FunctionType type, std::string_view rest) {
    std::string caption = FunctionEntryText(texts, type);
    caption.append(kCaptionSeparator);
    caption.append(rest);
    return caption;
}

// Writes the fields of one slot in one key mode.
class SlotWriter {
  public:
    SlotWriter(ProfileRecord& record, KeyMode mode, std::size_t slot)
        : record_(record), mode_(mode), slot_(slot) {}
    void Set(SlotField field, std::uint8_t value) { record_.set_slot(mode_, field, slot_, value); }

  private:
    ProfileRecord& record_;
    KeyMode mode_;
    std::size_t slot_;
};

std::string StoreWindowsFunction(const WindowsFunctionChoice& choice, SlotWriter& slot) {
    const std::size_t position = ListPosition(choice.index);
    slot.Set(SlotField::WindowsIndex, RecordByte(choice.index));
    slot.Set(SlotField::WindowsUsageLow, WindowsFunctionUsageLowOf(position));
    slot.Set(SlotField::WindowsUsageHigh, WindowsFunctionUsageHighOf(position));
    return choice.text;
}

std::string StoreMultimedia(const MultimediaChoice& choice, SlotWriter& slot,
                            const LanguageTexts& texts) {
    slot.Set(SlotField::MultimediaIndex, RecordByte(choice.index));
    slot.Set(SlotField::MultimediaUsage, MultimediaUsageOf(ListPosition(choice.index)));
    return PrefixedCaption(texts, FunctionType::Multimedia, choice.text);
}

std::string StoreFireKey(const FireKeyChoice& choice, SlotWriter& slot,
                         const LanguageTexts& texts) {
    slot.Set(SlotField::FireKeyIndex, RecordByte(choice.key_index));
    slot.Set(SlotField::FireKeyCode, FireKeyCodeOf(ListPosition(choice.key_index)));
    slot.Set(SlotField::FireKeySpeed, RecordByte(choice.speed));
    slot.Set(SlotField::FireKeyCount, RecordByte(choice.count));
    return PrefixedCaption(texts, FunctionType::FireKey, choice.key_text);
}

std::string StoreSingleKey(const SingleKeyChoice& choice, SlotWriter& slot,
                           const LanguageTexts& texts) {
    slot.Set(SlotField::SingleKeyCode, KeyCodeOfName(choice.key_name));
    return PrefixedCaption(texts, FunctionType::SingleKey, choice.key_name);
}

std::string StoreComboKey(const ComboKeyChoice& choice, SlotWriter& slot,
                          const LanguageTexts& texts) {
    slot.Set(SlotField::ComboModifiers, ModifierMaskOfName(choice.modifier_name));
    slot.Set(SlotField::ComboFirstKey, KeyCodeOfName(choice.first_key_name));
    slot.Set(SlotField::ComboSecondKey, KeyCodeOfName(choice.second_key_name));
    return PrefixedCaption(texts, FunctionType::ComboKey, CombinationText(choice));
}

std::string StoreMacroKey(const MacroKeyChoice& choice, SlotWriter& slot,
                          const LanguageTexts& texts) {
    // The word carries the stored mode in b1, so a mode outside 1-3 must not reach it.
    const int repeat_mode = std::clamp(choice.repeat_mode, kFirstRepeatMode, kLastRepeatMode);
    slot.Set(SlotField::MacroIndex, RecordByte(choice.macro_index));
    slot.Set(SlotField::MacroRepeatMode, RecordByte(repeat_mode - kFirstRepeatMode));
    return PrefixedCaption(texts, FunctionType::MacroKey, choice.macro_name);
}

// Stores a dialog's result when there is one and hands its caption back.
template <typename Choice, typename Store>
std::optional<std::string> StoreIfChosen(const std::optional<Choice>& choice, Store store) {
    if (!choice) {
        return std::nullopt;
    }
    return store(*choice);
}

}  // namespace

bool NeedsCaptureDialog(FunctionType type) {
    return type >= FunctionType::Windows && type <= FunctionType::MacroKey;
}

std::optional<std::string> RunCaptureDialog(FunctionType type, CaptureDialogs& dialogs,
                                            ProfileRecord& record, KeyMode mode, std::size_t slot,
                                            const LanguageTexts& texts) {
    SlotWriter writer(record, mode, slot);
    switch (type) {
        case FunctionType::Windows:
            return StoreIfChosen(dialogs.ChooseWindowsFunction(),
                                 [&](const auto& c) { return StoreWindowsFunction(c, writer); });
        case FunctionType::Multimedia:
            return StoreIfChosen(dialogs.ChooseMultimedia(),
                                 [&](const auto& c) { return StoreMultimedia(c, writer, texts); });
        case FunctionType::FireKey:
            return StoreIfChosen(dialogs.ChooseFireKey(),
                                 [&](const auto& c) { return StoreFireKey(c, writer, texts); });
        case FunctionType::SingleKey:
            return StoreIfChosen(dialogs.ChooseSingleKey(),
                                 [&](const auto& c) { return StoreSingleKey(c, writer, texts); });
        case FunctionType::ComboKey:
            return StoreIfChosen(dialogs.ChooseComboKey(),
                                 [&](const auto& c) { return StoreComboKey(c, writer, texts); });
        case FunctionType::MacroKey:
            return StoreIfChosen(dialogs.ChooseMacroKey(),
                                 [&](const auto& c) { return StoreMacroKey(c, writer, texts); });
        default:
            return std::nullopt;
    }
}

std::string CombinationText(const ComboKeyChoice& choice) {
    std::string text;
    const auto join = [&text](std::string_view part) {
        if (!text.empty()) {
            text.append(kCombinationJoiner);
        }
        text.append(part);
    };
    if (ModifierMaskOfName(choice.modifier_name) != 0) {
        join(choice.modifier_name);
    }
    if (KeyCodeOfName(choice.first_key_name) != 0) {
        join(choice.first_key_name);
    }
    if (KeyCodeOfName(choice.second_key_name) != 0) {
        join(choice.second_key_name);
    }
    return text;
}

}  // namespace corvanti
