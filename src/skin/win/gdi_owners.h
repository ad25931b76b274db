#pragma once

#include <windows.h>

#include <utility>

namespace corvanti::skin {

// Owners of the GDI and window resources the skinned windows use; each undoes exactly what
// acquired its handle, so a dialog that stops half-way through its set-up leaks nothing.
template <typename Handle, typename Traits>
class GdiOwner {
  public:
    GdiOwner() = default;
    explicit GdiOwner(Handle handle) : handle_(handle) {}
    GdiOwner(const GdiOwner&) = delete;
    GdiOwner& operator=(const GdiOwner&) = delete;
    GdiOwner(GdiOwner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiOwner& operator=(GdiOwner&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    ~GdiOwner() { Reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            Traits::Release(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

struct DeleteGdiObject {
    static void Release(HGDIOBJ object) { DeleteObject(object); }
};
struct DeleteMemoryDc {
    static void Release(HDC dc) { DeleteDC(dc); }
};
struct DestroyChildWindow {
    static void Release(HWND window) { DestroyWindow(window); }
};
struct UnhookMessageHook {
    static void Release(HHOOK hook) { UnhookWindowsHookEx(hook); }
};

using OwnedBitmap = GdiOwner<HBITMAP, DeleteGdiObject>;
using OwnedFont = GdiOwner<HFONT, DeleteGdiObject>;
using OwnedBrush = GdiOwner<HBRUSH, DeleteGdiObject>;
using OwnedMemoryDc = GdiOwner<HDC, DeleteMemoryDc>;
using OwnedHook = GdiOwner<HHOOK, UnhookMessageHook>;

// A window's device context from GetDC, released again.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a context and the previous one back.
class ScopedSelect {
  public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc_, previous_); }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace corvanti::skin
