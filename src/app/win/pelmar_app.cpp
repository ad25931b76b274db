#include "app/win/pelmar_app.h"

#include <commctrl.h>

#include "app/win/pelmar_dlg.h"
#include "skin/win/skin_image.h"

namespace corvanti::win {
namespace {

constexpr const wchar_t kWindowClassName[] = L"CorvantiTarnGMClass";

}  // namespace

bool CPelmarApp::RegisterWindowClass() {
    WNDCLASSW window_class{};
    if (!GetClassInfoW(nullptr, WC_DIALOG, &window_class)) {
        return false;
    }
    window_class.lpszClassName = kWindowClassName;
    return RegisterClassW(&window_class) != 0;
}

int CPelmarApp::Run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterWindowClass()) {
        return 0;
    }
    skin::GdiplusSession gdiplus;
    CPelmarDlg main_window(instance_, options_);
    main_window.RunModal();
    return 0;
}

}  // namespace corvanti::win
