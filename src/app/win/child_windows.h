#pragma once

#include <windows.h>

#include <string_view>

#include "common/client_rect.h"
#include "common/win/handle_owners.h"
#include "skin/list_box_window.h"

namespace corvanti::win {

// The child controls the main window's pages create at run time.

// A list box as the page logic describes it: a visible, bordered child that notifies its
// parent, filled with its entries in order, in `font`.
UniqueWindow CreateListBox(HWND parent, const ListBoxWindow& list, HFONT font);

// A static control without border. `style` adds the alignment (SS_CENTER ...).
UniqueWindow CreateStaticText(HWND parent, int control_id, ClientRect area, std::string_view text,
                              DWORD style, HFONT font);

// Shows a new text (UTF-8) in a control and repaints it.
void SetControlText(HWND control, std::string_view text);

// The control's id, or 0 for none.
int ControlId(HWND control);

}  // namespace corvanti::win
