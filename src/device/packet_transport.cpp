#include "device/packet_transport.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "device/scrambler.h"

namespace corvanti {

namespace {

constexpr std::size_t kPacketOffset = 1;  // the report id comes first
constexpr std::size_t kMinimumPacketReport = kPacketOffset + kPacketSize;
constexpr std::size_t kMinimumDataReport = kPacketOffset + kDataReportPayload;

void PutPacket(std::vector<std::uint8_t>& report, const CommandPacket& packet) {
    std::copy(packet.begin(), packet.end(), report.begin() + kPacketOffset);
}

// Where report `index` of a data phase sits in a caller's block of `size` bytes; the last
// reports of an over-long phase get an empty slice.
struct DataSlice {
    std::ptrdiff_t start;
    std::size_t count;
};

DataSlice SliceOfReport(std::size_t index, std::size_t size) {
    const std::size_t start = std::min(index * kDataReportPayload, size);
    return {static_cast<std::ptrdiff_t>(start), std::min(kDataReportPayload, size - start)};
}

CommandPacket TakePacket(const std::vector<std::uint8_t>& report) {
    CommandPacket packet{};
    std::copy_n(report.begin() + kPacketOffset, kPacketSize, packet.begin());
    return packet;
}

}  // namespace

std::vector<std::uint8_t> PacketTransport::FeatureBuffer() const {
    return std::vector<std::uint8_t>(
        std::max<std::size_t>(link_.feature_length, kMinimumPacketReport), 0);
}

bool PacketTransport::SendRawPacket(const CommandPacket& wire_packet) {
    if (!link_.command) {
        return false;
    }
    auto report = FeatureBuffer();
    PutPacket(report, wire_packet);
    return link_.command->SetFeature(report);
}

CommandPacket PacketTransport::ReceiveRawPacket() {
    return ReceiveAnswer().value_or(CommandPacket{});
}

std::optional<CommandPacket> PacketTransport::ReceiveAnswer() {
    auto report = FeatureBuffer();
    report[0] = kCommandReportId;
    if (!link_.command) {
        return std::nullopt;
    }
    if (!link_.command->GetFeature(report)) {
        trace_.Trace("no answer: " + link_.command->LastFailure().Describe());
        return std::nullopt;
    }
    return TakePacket(report);
}

bool PacketTransport::SendPacket(CommandPacket& packet) {
    packet = WithChecksum(packet);
    const bool scrambled = link_.scrambling.load() == 1;
    const bool accepted = SendRawPacket(scrambled ? Scramble(packet, link_.xor_key) : packet);
    if (!accepted && link_.command) {
        trace_.Trace("command not taken: " + link_.command->LastFailure().Describe());
    }
    if (IsReadCommand(packet[0])) {
        // A missing answer is no answer: unscrambling its zeros would make up a length.
        const std::optional<CommandPacket> answer = ReceiveAnswer();
        if (!answer) {
            packet = CommandPacket{};
        } else {
            packet = scrambled ? Unscramble(*answer, link_.xor_key) : *answer;
        }
    }
    return accepted;
}

void PacketTransport::SendPacketWithData(CommandPacket& packet,
                                         std::span<const std::uint8_t> data) {
    const bool read = IsReadCommand(packet[0]);
    SendPacket(packet);
    if (!read) {
        WriteDataPhase(packet[kPacketLengthByte], data);
    }
}

void PacketTransport::SendReadWithData(CommandPacket& packet, std::span<std::uint8_t> data) {
    const bool read = IsReadCommand(packet[0]);
    if (read && link_.command) {
        // A report that came after its read gave up must not answer this command.
        link_.command->DropQueuedInput();
    }
    SendPacket(packet);
    if (read) {
        ReadDataPhase(packet[kPacketLengthByte], data);
    }
}

void PacketTransport::WriteDataPhase(std::size_t length, std::span<const std::uint8_t> data) {
    const std::size_t report_size = std::max<std::size_t>(link_.output_length, kMinimumDataReport);
    const std::size_t reports = DataReportCount(length);
    for (std::size_t i = 0; i < reports && link_.command; ++i) {
        std::vector<std::uint8_t> report(report_size, 0);
        const DataSlice slice = SliceOfReport(i, data.size());
        std::copy_n(data.begin() + slice.start, slice.count, report.begin() + kPacketOffset);
        // A mouse that refuses one report of a phase is not offered the rest: each refusal
        // may have cost a whole write time-out.
        if (!link_.command->WriteOutput(report)) {
            TraceFailure("data report not taken", i, reports);
            return;
        }
        clock_.Pause(kDataReportPause);
    }
}

void PacketTransport::ReadDataPhase(std::size_t length, std::span<std::uint8_t> data) {
    const std::size_t report_size = std::max<std::size_t>(link_.input_length, kMinimumDataReport);
    const std::size_t reports = DataReportCount(length);
    // Once one report of a phase fails to come, the mouse is not waited for again in that phase,
    // so a silent mouse costs one time-out per command rather than one per report.
    bool silent = !link_.command;
    for (std::size_t i = 0; i < reports; ++i) {
        std::vector<std::uint8_t> report(report_size, 0);
        if (!silent && link_.command->ReadInput(report, kDataReportReadTimeout) == 0) {
            std::fill(report.begin(), report.end(), std::uint8_t{0});
            TraceFailure("data report missing", i, reports);
            silent = true;
        }
        const DataSlice slice = SliceOfReport(i, data.size());
        std::copy_n(report.begin() + kPacketOffset, slice.count, data.begin() + slice.start);
    }
}

void PacketTransport::TraceFailure(const char* what, std::size_t report, std::size_t reports) {
    trace_.Trace(std::string(what) + " (" + std::to_string(report + 1) + " of " +
                 std::to_string(reports) +
                 "), rest of the phase skipped: " + link_.command->LastFailure().Describe());
}

}  // namespace corvanti
