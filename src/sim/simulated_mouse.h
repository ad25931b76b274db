#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/hid_transport.h"
#include "device/mouse_identity.h"
#include "sim/fault_request.h"
#include "sim/press_request.h"
#include "sim/simulated_mouse_firmware.h"
#include "sim/simulated_mouse_state.h"
#include "sim/traffic_log.h"

namespace corvanti {

struct SimulatedMouseOptions {
    std::uint8_t sensor_type = 0;  // for a mouse that has no state file yet
    HandshakeStyle handshake = HandshakeStyle::Scrambled;
    bool event_channel_first = false;  // the order in which the system lists the channels
    std::uint16_t event_input_length = kEventInputLength;  // at least 4: id, code, unused, value
    std::filesystem::path state_path;                      // empty: the state lives in memory only
    std::filesystem::path traffic_log_path;                // empty: no traffic log
};

// A mouse on a simulated USB bus, standing in for the system's HID interface list: its command
// and event channels, its ordinary pointer collection and one unrelated device. The program
// opens and talks to it through the same seam as to the real mouse.
//
// Thread-safe: the event channel is read on one thread while commands go out on another.
// Collections opened from it keep it alive.
class SimulatedMouse : public HidDiscovery, public std::enable_shared_from_this<SimulatedMouse> {
  public:
    // How often a waiting event read looks for a press-request file.
    static constexpr std::chrono::milliseconds kPressPollInterval{10};

    // A mouse whose state comes from options.state_path when that file exists; otherwise a
    // factory-fresh mouse with the given sensor type, saved there at once when a path is given.
    // Null, with the reason in `error`, when the state file cannot be read or parsed, or the
    // state or traffic log cannot be written.
    static std::shared_ptr<SimulatedMouse> Create(const SimulatedMouseOptions& options,
                                                  std::string& error);

    // The press-request file that belongs to a state file: the same path with ".press" added.
    static std::filesystem::path PressRequestPath(const std::filesystem::path& state_path);
    // The fault-request file that belongs to a state file: the same path with ".fault" added.
    // It is looked for where the press-request file is, and whenever the interfaces are listed.
    static std::filesystem::path FaultRequestPath(const std::filesystem::path& state_path);

    // HidDiscovery
    bool ListInterfaces(std::vector<HidInterfaceInfo>& interfaces) override;
    std::unique_ptr<HidCollection> Open(const std::string& path, OpenPurpose purpose) override;

    // The user presses one of the mouse's own buttons: the mouse sends the event report.
    void Press(ButtonPress press);

    // Faults. A mouse that does not answer fails every get-feature and lets data-phase reads
    // time out, while still taking what is written to it.
    void SetAnswerFault(AnswerFault fault);
    void SetAnswering(bool answering);
    // The next `reports` data-phase reports reach the program only after the read waiting for
    // each has timed out; each then stays queued for whatever reads next, as the system queues
    // every input report that arrives.
    void DeliverLate(std::size_t reports);
    // After `reports` more reports have crossed the wire, the mouse is pulled out: every call
    // fails and it disappears from the interface list. 0 pulls it out at once.
    void UnplugAfter(std::size_t reports);
    // Plugs it back in; it must pass the handshake again.
    void Replug();

    bool plugged_in() const;
    bool accepted() const;
    SimulatedMouseState state() const;
    std::size_t reports_crossed() const;  // every report since creation, both channels

  private:
    friend class SimulatedMouseCollection;
    enum class Channel { Command, Event, Pointer, Unrelated };

    SimulatedMouse(const SimulatedMouseOptions& options, const SimulatedMouseState& state);

    std::vector<HidInterfaceInfo> InterfacesLocked() const;
    bool SetFeature(std::span<const std::uint8_t> report);
    bool GetFeature(std::span<std::uint8_t> report);
    bool WriteOutput(std::span<const std::uint8_t> report);
    std::size_t ReadData(std::span<std::uint8_t> report, std::chrono::milliseconds timeout);
    void DropQueuedData();
    std::size_t ReadEvent(std::span<std::uint8_t> report, std::chrono::milliseconds timeout);

    void QueuePressLocked(ButtonPress press);
    void TakeRequestsUnlocked(std::unique_lock<std::mutex>& lock);
    void ApplyFaultLocked(FaultRequest request);
    std::size_t DeliverLocked(TrafficKind kind, std::span<const std::uint8_t> wire,
                              std::span<std::uint8_t> report);
    void RecordLocked(TrafficKind kind, std::span<const std::uint8_t> wire);
    void SaveLocked();
    void UnplugLocked();

    SimulatedMouseOptions options_;
    std::filesystem::path press_request_path_;
    std::filesystem::path fault_request_path_;
    std::unique_ptr<TrafficLog> traffic_log_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;  // an event was queued or the mouse was pulled out
    SimulatedMouseFirmware firmware_;
    std::deque<std::vector<std::uint8_t>> events_;
    // Data-phase reports that reached the program's side and were not read yet.
    std::deque<std::array<std::uint8_t, kCommandDataReportLength>> queued_data_;
    std::size_t late_reports_ = 0;
    bool plugged_in_ = true;
    bool answering_ = true;
    std::optional<std::size_t> reports_until_unplug_;
    std::size_t reports_crossed_ = 0;
};

}  // namespace corvanti
