#pragma once

#include <windows.h>

namespace corvanti::win {

// The one dialog procedure of every dialog class. The dialog manager hands the instance over
// in WM_INITDIALOG's parameter; the procedure keeps it in the window's DWLP_USER slot and
// passes every later message to it. Messages before WM_INITDIALOG get the default answer.
//
// Dialog provides, to this template (a friend when they are private):
//   INT_PTR OnAttach(HWND dialog)  WM_INITDIALOG: keep the handle, return the initialisation's
//                                  result;
//   INT_PTR Dispatch(UINT message, WPARAM wparam, LPARAM lparam)  every later message.
template <typename Dialog>
struct DialogThunk {
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lparam);
            return reinterpret_cast<Dialog*>(lparam)->OnAttach(dialog);
        }
        auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
        return self != nullptr ? self->Dispatch(message, wparam, lparam) : FALSE;
    }

    // The parameter that hands `self` to the procedure through DialogBoxParamW and friends.
    static LPARAM ParamOf(Dialog* self) { return reinterpret_cast<LPARAM>(self); }
};

// Answers a message whose result a dialog procedure must leave in DWLP_MSGRESULT.
inline INT_PTR AnswerDialogMessage(HWND dialog, LRESULT result) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace corvanti::win
