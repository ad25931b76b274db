#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "app/device_event_balloon.h"
#include "common/user_messages.h"

namespace corvanti::win {

// The main window's one notification-area icon. The same record adds the icon, carries every
// balloon and deletes it again; the results of the shell calls are traced, never acted on.
class TrayIcon {
  public:
    explicit TrayIcon(TraceSink& trace) : trace_(trace) {}
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Add(HWND window, HICON icon);
    void ShowBalloon(const Balloon& balloon);
    // Deletes the icon if it was added; safe to call more than once.
    void Remove();

  private:
    TraceSink& trace_;
    NOTIFYICONDATAW record_{};
    bool added_ = false;
};

}  // namespace corvanti::win
