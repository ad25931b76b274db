#include "app/win/mouse_link.h"

#include "app/device_event_balloon.h"

namespace corvanti::win {

MouseLink::MouseLink(const ProgramOptions& options, UserMessages& messages, TraceSink& trace)
    : options_(options), messages_(messages), trace_(trace) {}

MouseLink::~MouseLink() {
    Close();
}

void MouseLink::OpenAtStart(HWND window) {
    // No backend is linked yet: the mouse is never found.
    trace_.Trace("device open: not found");
    SendMessageW(window, kDeviceEventMessage, kMouseNotDetectedEvent, 0);
}

void MouseLink::CreateEventReader(HWND) {}

void MouseLink::OnDeviceChange(HWND, WPARAM, LPARAM) {}

void MouseLink::ReadSensorTypeOnce() {
    if (sensor_read_) {
        return;
    }
    sensor_read_ = true;
}

bool MouseLink::connected() const {
    return false;
}

void MouseLink::Close() {}

}  // namespace corvanti::win
