#pragma once

// Saves what a window shows as a PNG file, for screenshots the tests leave under the build tree.
#include <windows.h>

#include <algorithm>
#include <filesystem>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "common/win/handle_owners.h"

namespace corvanti::testing {

// The PNG encoder of GDI+.
inline constexpr CLSID kPngEncoder{
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// The window's client area as it is on the screen, child controls included. GDI+ must run.
inline void SaveClientAreaPng(HWND hwnd, const std::filesystem::path& path) {
    // Children still waiting for their first paint would show as blank rectangles.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(hwnd, &client);
    win::WindowDc window(hwnd);
    win::UniqueMemoryDc dc(CreateCompatibleDC(window.get()));
    win::UniqueBitmap copy(CreateCompatibleBitmap(window.get(), client.right, client.bottom));
    {
        win::ScopedSelection select(dc.get(), copy.get());
        BitBlt(dc.get(), 0, 0, client.right, client.bottom, window.get(), 0, 0, SRCCOPY);
    }
    Gdiplus::Bitmap image(copy.get(), nullptr);
    image.Save(path.wstring().c_str(), &kPngEncoder, nullptr);
}

}  // namespace corvanti::testing
