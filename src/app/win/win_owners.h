#pragma once

#include <windows.h>

#include <utility>

namespace corvanti::win {

// Each owner undoes exactly what acquired its handle, so an early return leaks nothing.
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
    void Reset(Handle handle = Traits::Empty()) {
        if (Traits::IsValid(handle_)) {
            Traits::Release(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = Traits::Empty();
};

// Kernel handles: both null and INVALID_HANDLE_VALUE mean "none".
struct KernelHandleTraits {
    static HANDLE Empty() { return nullptr; }
    static bool IsValid(HANDLE handle) {
        return handle != nullptr && handle != INVALID_HANDLE_VALUE;
    }
    static void Release(HANDLE handle) { CloseHandle(handle); }
};
using UniqueHandle = Owner<HANDLE, KernelHandleTraits>;

template <typename GdiHandle>
struct GdiObjectTraits {
    static GdiHandle Empty() { return nullptr; }
    static bool IsValid(GdiHandle handle) { return handle != nullptr; }
    static void Release(GdiHandle handle) { DeleteObject(handle); }
};
using UniqueFont = Owner<HFONT, GdiObjectTraits<HFONT>>;
using UniqueBitmap = Owner<HBITMAP, GdiObjectTraits<HBITMAP>>;

struct IconTraits {
    static HICON Empty() { return nullptr; }
    static bool IsValid(HICON icon) { return icon != nullptr; }
    static void Release(HICON icon) { DestroyIcon(icon); }
};
using UniqueIcon = Owner<HICON, IconTraits>;

struct MenuTraits {
    static HMENU Empty() { return nullptr; }
    static bool IsValid(HMENU menu) { return menu != nullptr; }
    static void Release(HMENU menu) { DestroyMenu(menu); }
};
using UniqueMenu = Owner<HMENU, MenuTraits>;

struct DeviceNotificationTraits {
    static HDEVNOTIFY Empty() { return nullptr; }
    static bool IsValid(HDEVNOTIFY notify) { return notify != nullptr; }
    static void Release(HDEVNOTIFY notify) { UnregisterDeviceNotification(notify); }
};
using UniqueDeviceNotification = Owner<HDEVNOTIFY, DeviceNotificationTraits>;

struct MemoryDcTraits {
    static HDC Empty() { return nullptr; }
    static bool IsValid(HDC dc) { return dc != nullptr; }
    static void Release(HDC dc) { DeleteDC(dc); }
};
using UniqueMemoryDc = Owner<HDC, MemoryDcTraits>;

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

}  // namespace corvanti::win
