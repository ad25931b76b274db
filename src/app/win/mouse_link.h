#pragma once

#include <windows.h>

#include <memory>

#include "app/program_options.h"
#include "common/user_messages.h"
#include "device/apply_sequence.h"
#include "device/device_commands.h"
#include "device/device_event.h"
#include "device/device_mirror.h"
#include "device/event_reader.h"
#include "device/hid_transport.h"
#include "device/link_state.h"
#include "device/packet_transport.h"
#include "device/pause_clock.h"

namespace corvanti::win {

// The main window's side of the device link: opens the mouse (the HID backend, or the
// simulated mouse when the program was started with --simulated-mouse), runs the handshake,
// hands the event reader's reports to the window as device-event messages and answers device
// arrival and removal.
class MouseLink final : private DeviceEventSink {
  public:
    MouseLink(const ProgramOptions& options, UserMessages& messages, TraceSink& trace);
    MouseLink(const MouseLink&) = delete;
    MouseLink& operator=(const MouseLink&) = delete;
    ~MouseLink() override;

    // Opens the mouse and runs the handshake; the handshake (or a failed open) reports the
    // mouse as found (event 14) or not (event 15) to `window`.
    void OpenAtStart(HWND window);
    // Creates the event reader held back until the mouse is accepted; lets it run now if it is.
    void CreateEventReader();
    // WM_DEVICECHANGE of the main window; `hide_window` is set when the mouse was lost.
    void OnDeviceChange(WPARAM change, LPARAM data, bool& hide_window);
    // The first build of the basic page: reads the sensor block once and keeps its type.
    void SetUpOnFirstPage();
    int sensor_type() const { return sensor_type_; }
    // OK and Apply: makes the mouse match `working`, then stores it through `files`.
    void Apply(const ProfileRecord& working, ApplyPersistence& files);
    bool connected() const { return link_.connected_now(); }
    // Releases every collection of the mouse; the reader stops reporting.
    void Close();

  private:
    void Deliver(DeviceEventCode code, std::uint8_t value) override;

    UserMessages& messages_;
    TraceSink& trace_;
    HWND window_ = nullptr;
    std::unique_ptr<PauseClock> clock_;
    std::shared_ptr<HidDiscovery> discovery_;
    LinkState link_;
    PacketTransport transport_;
    DeviceMirror mirror_;
    DeviceCommands commands_;
    EventReader reader_;
    int sensor_type_ = 0;
    bool first_page_set_up_ = false;
};

}  // namespace corvanti::win
