#include "assign/key_capture.h"

#include <utility>

#include "profile/scan_code_names.h"

namespace corvanti {

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

}  // namespace corvanti
