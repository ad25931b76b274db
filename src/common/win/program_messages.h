#pragma once

#include <windows.h>

namespace corvanti::win {

// Window messages between the parts of the program. Their numbers are fixed by the program's
// contract: the shell, the read thread and the keyboard hooks send exactly these, and outside
// observers drive the program with them. Never renumber them. A message private to one window
// takes its number from the WM_APP range instead.

// The tray icon's mouse message, from the shell; lParam is the mouse message.
inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;
// A device event (wParam the code, lParam the value), sent synchronously.
inline constexpr UINT kDeviceEventMessage = WM_USER + 2;
// A key went down (wParam 0) or up (wParam 1), from the macro recorder's keyboard hook.
inline constexpr UINT kMacroRecorderKeyMessage = WM_USER + 3;
// A key was captured, from the hook of the single-key dialog and of the combination dialog.
inline constexpr UINT kSingleKeyCapturedMessage = WM_USER + 1796;
inline constexpr UINT kComboKeyCapturedMessage = WM_USER + 1797;

}  // namespace corvanti::win
