#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/client_rect.h"

namespace corvanti::skin {

// The child controls the skinned dialogs create at run time, and their texts in UTF-8.

// Creates a control of a system class ("STATIC", "EDIT" ...) on the parent's client area.
HWND CreateChildControl(HWND parent, const wchar_t* class_name, std::string_view text, DWORD style,
                        ClientRect area, int id);

// Shows a new text in a control and has it repainted.
void ShowChildText(HWND control, std::string_view text);

std::string ChildText(HWND control);

}  // namespace corvanti::skin
