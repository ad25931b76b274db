#pragma once

#include <cstdint>

namespace corvanti {

// How a skinned dialog treats keys before the dialog manager sees them.
enum class KeyFilter {
    // Enter ends the dialog with OK, Escape with Cancel.
    kStandard,
    // Enter and Escape key-downs are swallowed so they can be captured as keys.
    kCaptureEnterEscape,
    // As above, and every message carrying the left or right Windows key code is swallowed.
    kCaptureEnterEscapeWindows,
};

inline constexpr std::uint32_t kKeyDownMessage = 0x0100;

// A key-down of Enter or Escape: the keys that end a dialog or hide the main window.
bool IsEnterOrEscapeDown(std::uint32_t message, std::uintptr_t wparam);

// True when the message must not be dispatched at all.
bool ShouldSwallowMessage(KeyFilter filter, std::uint32_t message, std::uintptr_t wparam);

}  // namespace corvanti
