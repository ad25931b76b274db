#include "app/win/mouse_link.h"

#include <dbt.h>

#include <string>

#include "app/win/mouse_backend.h"
#include "common/text_encoding.h"
#include "common/win/program_messages.h"
#include "device/device_change.h"
#include "device/device_open.h"
#include "device/handshake.h"

namespace corvanti::win {

MouseLink::MouseLink(const ProgramOptions& options, UserMessages& messages, TraceSink& trace)
    : messages_(messages),
      trace_(trace),
      clock_(MakePauseClock()),
      discovery_(MakeHidDiscovery(options, trace)),
      transport_(link_, *clock_, trace),
      commands_(transport_, mirror_, *clock_, trace),
      reader_(link_, *this) {}

MouseLink::~MouseLink() {
    Close();
}

void MouseLink::OpenAtStart(HWND window) {
    window_ = window;
    if (OpenDevice(link_, *discovery_, messages_, trace_)) {
        RunHandshake(link_, transport_, *clock_, *this);
    } else {
        Deliver(DeviceEventCode::MouseNotDetected, 0);
        link_.connected = 0;
    }
}

void MouseLink::CreateEventReader() {
    if (!reader_.Start()) {
        // Without the reader the mouse's own switches show no balloon; everything else works.
        messages_.ShowMessage("CreateThread failed.", kApplicationTitle);
        return;
    }
    if (connected()) {
        reader_.Resume();
    }
}

void MouseLink::OnDeviceChange(WPARAM change, LPARAM data, bool& hide_window) {
    hide_window = false;
    if (!IsArrivalOrRemoval(static_cast<std::uint32_t>(change))) {
        return;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) {
        return;
    }
    const auto* interface_header = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(data);
    const std::string name = WideToUtf8(interface_header->dbcc_name);
    const DeviceChangeNotice notice{static_cast<std::uint32_t>(change), header->dbch_devicetype,
                                    name};
    DeviceLink device{link_, *discovery_, transport_, commands_, *clock_, messages_, trace_, *this};
    const auto outcome = HandleDeviceChange(notice, device, reader_.started(), first_page_set_up_);
    if (outcome.resume_reader) {
        reader_.Resume();
    }
    hide_window = outcome.hide_main_window;
}

void MouseLink::SetUpOnFirstPage() {
    if (first_page_set_up_) {
        return;
    }
    first_page_set_up_ = true;
    commands_.RefreshSensorBlock();
    sensor_type_ = mirror_.sensor.sensor_type;
    trace_.Trace("sensor type: " + std::to_string(sensor_type_));
}

void MouseLink::Apply(const ProfileRecord& working, ApplyPersistence& files) {
    RunApply(working, commands_, files);
    trace_.Trace("apply done");
}

void MouseLink::Close() {
    link_.connected = 0;
    link_.ReleaseCollections();
}

void MouseLink::Deliver(DeviceEventCode code, std::uint8_t value) {
    SendMessageW(window_, kDeviceEventMessage, static_cast<WPARAM>(code), value);
}

}  // namespace corvanti::win
