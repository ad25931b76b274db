#pragma once

#include <windows.h>

namespace corvanti::win {

// Whether `window` names a window that still exists: a handle kept by its creator (a list
// opened below a field, a child control) may outlive the window it named.
inline bool WindowExists(HWND window) {
    return window != nullptr && IsWindow(window) != FALSE;
}

}  // namespace corvanti::win
