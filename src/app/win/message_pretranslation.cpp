#include "app/win/message_pretranslation.h"

#include <utility>

namespace corvanti::win {

namespace {

// The hook procedure has no context argument; the one instance's filter is found here.
MessagePretranslation::Filter* g_filter = nullptr;

}  // namespace

MessagePretranslation::~MessagePretranslation() {
    hook_.Reset();
    if (g_filter == &filter_) {
        g_filter = nullptr;
    }
}

bool MessagePretranslation::Install(Filter filter) {
    filter_ = std::move(filter);
    g_filter = &filter_;
    hook_.Reset(SetWindowsHookExW(WH_GETMESSAGE, HookProcedure, nullptr, GetCurrentThreadId()));
    return hook_.valid();
}

LRESULT CALLBACK MessagePretranslation::HookProcedure(int code, WPARAM wparam, LPARAM lparam) {
    // Only a message leaving the queue is about to be dispatched; a peek that leaves it there
    // is seen again when it is taken.
    if (code == HC_ACTION && wparam == PM_REMOVE && g_filter != nullptr && *g_filter) {
        auto* message = reinterpret_cast<MSG*>(lparam);
        if ((*g_filter)(*message)) {
            message->message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace corvanti::win
