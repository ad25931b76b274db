#include "ctl/tool_device_link.h"

#include <cstdint>

namespace corvanti {

void ToolDeviceSinks::ShowMessage(std::string_view text, std::string_view) {
    err_ << "corvanti-ctl: " << text << "\n";
}

ToolDeviceLink::ToolDeviceLink(HidDiscovery& discovery, std::ostream& err)
    : err_(err),
      sinks_(err),
      transport_(link_, clock_),
      commands_(transport_, mirror_, clock_, sinks_),
      device_{link_, discovery, transport_, commands_, clock_, sinks_, sinks_, sinks_} {}

void ToolDeviceLink::ReadReadableBlocks() {
    commands_.ReadSensorBlock();
    commands_.PauseBetweenCommands();
    commands_.ReadLightingBlock();
    commands_.PauseBetweenCommands();
    commands_.ReadLightingDetailBlocks();
    commands_.ReadSettingsBlocks();
    for (std::uint8_t number = 1; number <= kMacroBlockCount; ++number) {
        commands_.ReadMacro(number);
        commands_.PauseBetweenCommands();
    }
}

bool ToolDeviceLink::Accept(std::string_view mouse) {
    switch (AcceptMouse(device_)) {
        case MouseAcceptance::Accepted:
            return true;
        case MouseAcceptance::NotFound:
            err_ << "corvanti-ctl: " << mouse << " was not found\ncorvanti-ctl: " << kNoMouseHint
                 << "\n";
            return false;
        case MouseAcceptance::Rejected:
            err_ << "corvanti-ctl: " << mouse
                 << " was not accepted: it does not answer the handshake\n";
            return false;
    }
    return false;
}

}  // namespace corvanti
