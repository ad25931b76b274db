#pragma once

// The simulated mouse's firmware on a scripted wire: sequences are checked end to end against
// the same model of the mouse that the simulated mouse runs, while the wire still records
// every report and can be scripted to fail.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "device/command_packet.h"
#include "device/device_mirror.h"
#include "device/handshake.h"
#include "device/mouse_identity.h"
#include "device/scrambler.h"
#include "fake_hid.h"
#include "sim/simulated_mouse_firmware.h"
#include "sim/simulated_mouse_state.h"

namespace corvanti::testing {

// A mouse with distinct bytes in every block it answers: sensor type 2, report rate code 1,
// lighting {1, 3, 7}, lighting details {9, 8, 7} and {6, 5, 4}, settings block 0 counting up
// from 0xA0; everything else zero.
inline SimulatedMouseState DistinctMouseState() {
    SimulatedMouseState state;
    state.sensor_block = {2, 0x01, 0x10, 0x03};
    state.lighting = {1, 3, 7};
    state.lighting_detail = {{{9, 8, 7}, {6, 5, 4}}};
    for (std::size_t i = 0; i < state.settings[0].size(); ++i) {
        state.settings[0][i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    return state;
}

// The twelve macro blocks one after the other, as the device mirror keeps them.
inline MacroArea MacroAreaOf(const SimulatedMouseState& state) {
    MacroArea area{};
    auto out = area.begin();
    for (const auto& block : state.macros) {
        out = std::copy(block.begin(), block.end(), out);
    }
    return area;
}

inline LightingBlock LightingOf(const SimulatedMouseState& state) {
    return {state.lighting[0], state.lighting[1], state.lighting[2]};
}

class FirmwareOnWire {
  public:
    FirmwareOnWire(std::shared_ptr<Wire> wire, const SimulatedMouseState& state,
                   HandshakeStyle style)
        : wire_(std::move(wire)), firmware_(state, style) {
        wire_->on_set_feature = [this](Wire& on, const Report& report) { OnFeature(on, report); };
        wire_->on_output = [this](Wire&, const Report& report) { OnOutput(report); };
    }
    FirmwareOnWire(const FirmwareOnWire&) = delete;
    FirmwareOnWire& operator=(const FirmwareOnWire&) = delete;

    // Passes the scrambled handshake beside the wire, for tests that begin with an accepted
    // mouse: nothing crosses the wire.
    void AcceptWithoutTraffic() {
        firmware_.ReceivePacket(Scramble(kHandshakeRequest, HandshakeXorKey()));
        firmware_.TakeAnswer();
    }

    const SimulatedMouseState& state() const { return firmware_.state(); }

    // Every command packet that reached the mouse, as it crossed the wire.
    std::vector<CommandPacket> requests;

  private:
    // Like a get-feature request of the simulated mouse, the answer is what the firmware has
    // for the latest command (zeros when nothing); the data phase follows it.
    void OnFeature(Wire& wire, const Report& report) {
        CommandPacket packet{};
        if (!report.empty()) {
            std::copy_n(report.begin() + 1, std::min(report.size() - 1, kPacketSize),
                        packet.begin());
        }
        requests.push_back(packet);
        firmware_.ReceivePacket(packet);
        wire.feature_answers = {FeatureReportOf(firmware_.TakeAnswer(), kCommandFeatureLength)};
        wire.input_reports.clear();
        while (const auto data = firmware_.TakeData()) {
            Report input(kCommandDataReportLength, kCommandReportId);
            std::copy(data->begin(), data->end(), input.begin() + 1);
            wire.input_reports.push_back(std::move(input));
        }
    }

    void OnOutput(const Report& report) {
        if (!report.empty()) {
            firmware_.ReceiveData(std::span(report).subspan(1));
        }
    }

    std::shared_ptr<Wire> wire_;
    SimulatedMouseFirmware firmware_;
};

}  // namespace corvanti::testing
