#include "assign/capture_texts.h"

#include "common/text_format.h"

namespace corvanti {

std::string SingleKeyHookFailureText(int error_code) {
    return FormatText("KeyboardHook_SingleDlgKey Install error code :%d\n", error_code);
}

std::string ComboKeyHookFailureText(int error_code) {
    return FormatText("KeyboardHook_ComboDlg Install error code :%d\n", error_code);
}

}  // namespace corvanti
