#pragma once

#include <windows.h>

#include "app/program_options.h"
#include "common/user_messages.h"

namespace corvanti::win {

// The main window's side of the device link: opens the mouse (the HID backend, or the
// simulated mouse when the program was started with --simulated-mouse), runs the handshake,
// feeds the event reader's reports to the window as device-event messages and answers device
// arrival and removal.
class MouseLink {
  public:
    static constexpr UINT kDeviceEventMessage = WM_USER + 2;

    MouseLink(const ProgramOptions& options, UserMessages& messages, TraceSink& trace);
    MouseLink(const MouseLink&) = delete;
    MouseLink& operator=(const MouseLink&) = delete;
    ~MouseLink();

    // Opens the mouse and runs the handshake; the handshake (or a failed open) reports the
    // mouse as found (event 14) or not (event 15) to `window`.
    void OpenAtStart(HWND window);
    // Creates the event reader held back until the mouse is accepted; starts it now if it is.
    void CreateEventReader(HWND window);
    // WM_DEVICECHANGE of the main window.
    void OnDeviceChange(HWND window, WPARAM change, LPARAM data);
    // The sensor type read at the first build of the basic page (0 until then).
    int sensor_type() const { return sensor_type_; }
    void ReadSensorTypeOnce();
    bool connected() const;
    // Closes every device handle; the reader stops reporting.
    void Close();

  private:
    const ProgramOptions& options_;
    UserMessages& messages_;
    TraceSink& trace_;
    int sensor_type_ = 0;
    bool sensor_read_ = false;
};

}  // namespace corvanti::win
