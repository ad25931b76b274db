#include "skin/keyboard_filter.h"

namespace corvanti {

namespace {

constexpr std::uintptr_t kEnterKey = 13;
constexpr std::uintptr_t kEscapeKey = 27;
constexpr std::uintptr_t kLeftWindowsKey = 91;
constexpr std::uintptr_t kRightWindowsKey = 92;

}  // namespace

bool IsEnterOrEscapeDown(std::uint32_t message, std::uintptr_t wparam) {
    return message == kKeyDownMessage && (wparam == kEnterKey || wparam == kEscapeKey);
}

bool ShouldSwallowMessage(KeyFilter filter, std::uint32_t message, std::uintptr_t wparam) {
    switch (filter) {
        case KeyFilter::kStandard:
            return false;
        case KeyFilter::kCaptureEnterEscape:
            return IsEnterOrEscapeDown(message, wparam);
        case KeyFilter::kCaptureEnterEscapeWindows:
            return IsEnterOrEscapeDown(message, wparam) || wparam == kLeftWindowsKey ||
                   wparam == kRightWindowsKey;
    }
    return false;
}

}  // namespace corvanti
