#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "device/command_packet.h"
#include "sim/press_request.h"
#include "sim/simulated_mouse_state.h"

namespace corvanti {

// How the mouse answers the handshake: a proper mouse only answers the scrambled handshake
// (in scrambled form); the plain variant answers a plain handshake in plain, which the program
// must reject.
enum class HandshakeStyle { Scrambled, Plain };

// Faults in what the mouse answers (faults of the link itself belong to SimulatedMouse).
enum class AnswerFault {
    None,
    Garbage,         // every answer and every data-phase report is random bytes
    OverlongLength,  // settings and macro answers announce 200 bytes and send them all
};

using DataReportBytes = std::array<std::uint8_t, kDataReportPayload>;

// The mouse's firmware: takes command packets and data-phase reports as they arrive on the
// wire, keeps its blocks, and produces answers and data-phase reports. It knows nothing of
// threads, files or a removed device.
class SimulatedMouseFirmware {
  public:
    static constexpr std::uint8_t kOverlongLength = 200;

    SimulatedMouseFirmware(SimulatedMouseState state, HandshakeStyle style);

    // One command packet from a set-feature request, as on the wire. Returns true when it
    // completed a write command (the blocks may have changed).
    bool ReceivePacket(const CommandPacket& wire);

    // The packet a get-feature request reads, as on the wire; all zeros when the last command
    // has nothing to answer. Answering a read command queues its data phase.
    CommandPacket TakeAnswer();

    // The data bytes of one output report. Returns true when they completed a write command.
    bool ReceiveData(std::span<const std::uint8_t> data);

    // The data bytes of the next input report of a read command's data phase, if one is due.
    std::optional<DataReportBytes> TakeData();

    // A press of one of the mouse's own buttons; the rate button changes the report rate.
    void Press(ButtonPress press);

    // The mouse lost power: it forgets the handshake and every command in progress.
    void PowerCycle();

    void set_answer_fault(AnswerFault fault) { answer_fault_ = fault; }
    bool accepted() const { return accepted_; }
    const SimulatedMouseState& state() const { return state_; }

  private:
    struct Answer {
        CommandPacket packet{};
        std::vector<std::uint8_t> data;  // the data phase that follows, if any
    };
    struct PendingWrite {
        CommandPacket packet{};
        std::size_t length = 0;
        std::vector<std::uint8_t> data;
    };

    bool ReceiveHandshake(const CommandPacket& wire);
    bool ReceiveCommand(const CommandPacket& plain);
    std::optional<Answer> AnswerRead(const CommandPacket& plain) const;
    CommandPacket Encode(const CommandPacket& plain) const;
    std::uint8_t NextGarbageByte();

    SimulatedMouseState state_;
    HandshakeStyle style_;
    AnswerFault answer_fault_ = AnswerFault::None;
    bool accepted_ = false;
    std::optional<CommandPacket> answer_wire_;
    std::vector<std::uint8_t> answer_data_;
    std::deque<DataReportBytes> data_out_;
    std::optional<PendingWrite> pending_write_;
    std::uint32_t garbage_state_ = 0x2545F491u;
};

}  // namespace corvanti
