#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "common/user_messages.h"
#include "device/command_packet.h"
#include "device/link_state.h"
#include "device/pause_clock.h"

namespace corvanti {

// The mouse needs this pause after each data-phase output report before it takes the next.
inline constexpr std::chrono::milliseconds kDataReportPause{3};

// How long a data-phase read waits for one input report; a mouse that stays silent longer
// yields a report of zeros and the sequence goes on.
inline constexpr std::chrono::milliseconds kDataReportReadTimeout{200};

// Frames command packets into feature reports on the command channel, scrambles them once the
// mouse has been accepted, and carries data phases of 32-byte reports. Missing answers read as
// zeros; nothing waits without a bound. Every failure of the channel becomes a trace line.
class PacketTransport {
  public:
    PacketTransport(LinkState& link, PauseClock& clock)
        : PacketTransport(link, clock, discarded_) {}
    PacketTransport(LinkState& link, PauseClock& clock, TraceSink& trace)
        : link_(link), clock_(clock), trace_(trace) {}

    // Sends `packet` (its checksum recomputed). For a read command the answer's eight bytes
    // replace the request; an answer that does not come reads as eight zeros, so it announces
    // no data phase. Returns whether the mouse took the feature report.
    bool SendPacket(CommandPacket& packet);

    // A write command followed by the data phase its byte 2 announces, taken from `data`
    // (zeros past its end). Once one report is refused the rest of the phase is not sent.
    void SendPacketWithData(CommandPacket& packet, std::span<const std::uint8_t> data);

    // A read command followed by the data phase its answer announces. Reports left over from
    // an earlier phase are dropped first. Every announced report is read, but only what fits
    // into `data` is kept; once one report fails to come the rest of the phase reads as zeros.
    void SendReadWithData(CommandPacket& packet, std::span<std::uint8_t> data);

    // One feature report carrying `wire_packet` exactly as given (no checksum, no scrambling),
    // and one feature report read back; an answer that does not come reads as zeros.
    bool SendRawPacket(const CommandPacket& wire_packet);
    CommandPacket ReceiveRawPacket();

  private:
    std::vector<std::uint8_t> FeatureBuffer() const;
    std::optional<CommandPacket> ReceiveAnswer();
    void WriteDataPhase(std::size_t length, std::span<const std::uint8_t> data);
    void ReadDataPhase(std::size_t length, std::span<std::uint8_t> data);
    void TraceFailure(const char* what, std::size_t report, std::size_t reports);

    LinkState& link_;
    PauseClock& clock_;
    DiscardedTrace discarded_;
    TraceSink& trace_;
};

}  // namespace corvanti
