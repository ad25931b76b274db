#pragma once

// clang-format off
#include <windows.h>
#include <setupapi.h>
// The HID library's headers declare C functions without saying so.
extern "C" {
#include <hidsdi.h>
}
// clang-format on

#include <utility>

namespace corvanti::win {

// Owners of kernel, GDI and window resources. Each undoes exactly what acquired its handle, so
// a window or dialog that stops half-way through its set-up leaks nothing.
template <typename Handle, typename Traits>
class Owner {
  public:
    Owner() = default;
    explicit Owner(Handle handle) : handle_(handle) {}
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    Owner(Owner&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Empty())) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Traits::Empty()));
        }
        return *this;
    }
    ~Owner() { Reset(); }

    Handle get() const { return handle_; }
    bool valid() const { return Traits::IsValid(handle_); }
    explicit operator bool() const { return valid(); }
    void Reset(Handle handle = Traits::Empty()) {
        if (Traits::IsValid(handle_)) {
            Traits::Release(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = Traits::Empty();
};

// Handles whose only "none" value is null, released by one call.
template <typename Handle, auto ReleaseFunction>
struct NullIsEmptyTraits {
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle handle) { return handle != nullptr; }
    static void Release(Handle handle) { ReleaseFunction(handle); }
};

// Kernel handles: both null (CreateEventW and friends) and INVALID_HANDLE_VALUE (CreateFileW)
// mean "none".
struct KernelHandleTraits {
    static HANDLE Empty() { return nullptr; }
    static bool IsValid(HANDLE handle) {
        return handle != nullptr && handle != INVALID_HANDLE_VALUE;
    }
    static void Release(HANDLE handle) { CloseHandle(handle); }
};

// Handles whose "none" value is INVALID_HANDLE_VALUE (SetupDiGetClassDevsW and friends).
template <typename Handle, auto ReleaseFunction>
struct InvalidIsEmptyTraits {
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle handle) { return handle != INVALID_HANDLE_VALUE; }
    static void Release(Handle handle) { ReleaseFunction(handle); }
};

inline void DeleteGdiObject(HGDIOBJ object) {
    DeleteObject(object);
}

using UniqueHandle = Owner<HANDLE, KernelHandleTraits>;
using UniqueFont = Owner<HFONT, NullIsEmptyTraits<HFONT, DeleteGdiObject>>;
using UniqueBitmap = Owner<HBITMAP, NullIsEmptyTraits<HBITMAP, DeleteGdiObject>>;
using UniqueBrush = Owner<HBRUSH, NullIsEmptyTraits<HBRUSH, DeleteGdiObject>>;
using UniqueMemoryDc = Owner<HDC, NullIsEmptyTraits<HDC, DeleteDC>>;
using UniqueIcon = Owner<HICON, NullIsEmptyTraits<HICON, DestroyIcon>>;
using UniqueMenu = Owner<HMENU, NullIsEmptyTraits<HMENU, DestroyMenu>>;
using UniqueHook = Owner<HHOOK, NullIsEmptyTraits<HHOOK, UnhookWindowsHookEx>>;
using UniqueDeviceNotification =
    Owner<HDEVNOTIFY, NullIsEmptyTraits<HDEVNOTIFY, UnregisterDeviceNotification>>;
using UniqueDeviceInfoSet =
    Owner<HDEVINFO, InvalidIsEmptyTraits<HDEVINFO, SetupDiDestroyDeviceInfoList>>;
using UniquePreparsedData =
    Owner<PHIDP_PREPARSED_DATA, NullIsEmptyTraits<PHIDP_PREPARSED_DATA, HidD_FreePreparsedData>>;
// A child window created at run time; a window already gone with its parent is not touched.
inline void DestroyLiveWindow(HWND window) {
    if (IsWindow(window)) {
        DestroyWindow(window);
    }
}
using UniqueWindow = Owner<HWND, NullIsEmptyTraits<HWND, DestroyLiveWindow>>;

// Selects an object into a device context and selects the previous one back.
class ScopedSelection {
  public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;
    ~ScopedSelection() { SelectObject(dc_, previous_); }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

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

}  // namespace corvanti::win
