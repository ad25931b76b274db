#include "app/win/mouse_link.h"

#include "app/device_event_balloon.h"

namespace corvanti::win {

MouseLink::MouseLink(const ProgramOptions& options, UserMessages&, TraceSink& trace)
    : trace_(trace) {
    if (options.uses_simulated_mouse()) {
        trace_.Trace("simulated mouse: not linked in this build");
    }
}

void MouseLink::OpenAtStart(HWND window) {
    // No backend is linked yet: the mouse is never found.
    trace_.Trace("device open: not found");
    SendMessageW(window, kDeviceEventMessage, kMouseNotDetectedEvent, 0);
}

}  // namespace corvanti::win
