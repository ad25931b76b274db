#include "assign/key_capture.h"

#include <utility>

#include "profile/key_name_table.h"
#include "profile/scan_code_names.h"

namespace corvanti {

namespace {

constexpr std::string_view kCombinationJoiner = "+";

void AppendPart(std::string& text, std::string_view part) {
    if (!text.empty()) {
        text += kCombinationJoiner;
    }
    text += part;
}

}  // namespace

const std::string& SingleKeyCapture::OnKeyEvent(std::uint32_t keystroke_flags) {
    choice_.key_name = KeyNameOfKeyMessage(keystroke_flags);
    return choice_.key_name;
}

bool ComboKeyCapture::OnKeyEvent(ComboKeyBox focused, std::uint32_t keystroke_flags) {
    switch (focused) {
        case ComboKeyBox::kFirst:
            choice_.first_key_name = KeyNameOfKeyMessage(keystroke_flags);
            return true;
        case ComboKeyBox::kSecond:
            choice_.second_key_name = KeyNameOfKeyMessage(keystroke_flags);
            return true;
        case ComboKeyBox::kNeither:
            break;
    }
    return false;
}

void ComboKeyCapture::OnModifierChosen(std::string name) {
    choice_.modifier_name = std::move(name);
}

const std::string& ComboKeyCapture::NameIn(ComboKeyBox box) const {
    static const std::string kNoName;
    switch (box) {
        case ComboKeyBox::kFirst:
            return choice_.first_key_name;
        case ComboKeyBox::kSecond:
            return choice_.second_key_name;
        case ComboKeyBox::kNeither:
            break;
    }
    return kNoName;
}

std::string CombinationText(const ComboKeyChoice& choice) {
    std::string text;
    if (ModifierMaskOfName(choice.modifier_name) != 0) {
        AppendPart(text, choice.modifier_name);
    }
    for (const std::string* key : {&choice.first_key_name, &choice.second_key_name}) {
        if (KeyCodeOfName(*key) != 0) {
            AppendPart(text, *key);
        }
    }
    return text;
}

}  // namespace corvanti
