#include "sim/simulated_mouse_firmware.h"

#include <algorithm>

#include "device/handshake.h"
#include "device/scrambler.h"

namespace corvanti {

namespace {

using State = SimulatedMouseState;

constexpr std::uint8_t kReportRateEvent = 5;
constexpr std::uint8_t kOverlongFiller = 0xEE;

bool HasValidChecksum(const CommandPacket& packet) {
    return PacketChecksum(packet) == packet[kPacketSize - 1];
}

// Copies as much of `data` as fits into `block`; the rest of the block keeps its bytes.
void CopyInto(std::span<std::uint8_t> block, std::span<const std::uint8_t> data) {
    std::copy_n(data.begin(), std::min(block.size(), data.size()), block.begin());
}

// --- Write commands -------------------------------------------------------------------------

struct WriteCommand {
    std::uint8_t code;
    bool has_data_phase;  // byte 2 is then the length of the data that follows
    void (*apply)(State& state, const CommandPacket& p, std::span<const std::uint8_t> data);
};

constexpr WriteCommand kWriteCommands[] = {
    {0x01, false,
     [](State& s, const CommandPacket& p, auto) {
         s.sensor_block[State::kReportRateIndex] = p[1];
     }},
    // The sensor type is the hardware's; only the rate and the options are taken.
    {0x03, false,
     [](State& s, const CommandPacket& p, auto) {
         CopyInto(std::span(s.sensor_block).subspan(1), std::span(p).subspan(2, 3));
     }},
    {0x07, false,
     [](State& s, const CommandPacket& p, auto) {
         if (p[1] < kLightingDetailCount) {
             CopyInto(s.lighting_detail[p[1]], std::span(p).subspan(2, 3));
         }
     }},
    {0x0D, false,
     [](State& s, const CommandPacket& p, auto) {
         CopyInto(s.lighting, std::span(p).subspan(1, 3));
     }},
    {0x10, true,
     [](State& s, const CommandPacket& p, std::span<const std::uint8_t> data) {
         if (p[1] < kSettingsBlockCount) {
             CopyInto(s.settings[p[1]], data);
         }
     }},
    {0x11, true,
     [](State& s, const CommandPacket& p, std::span<const std::uint8_t> data) {
         s.dpi_stage_count = p[1];
         CopyInto(s.dpi_stage_codes, data);
     }},
    {0x12, true,
     [](State& s, const CommandPacket& p, std::span<const std::uint8_t> data) {
         if (p[1] >= 1 && p[1] <= kKeyMatrixCount) {
             CopyInto(s.key_matrices[p[1] - 1u], data);
         }
     }},
    {0x13, true,
     [](State& s, const CommandPacket& p, std::span<const std::uint8_t> data) {
         if (p[1] >= 1 && p[1] <= kMacroBlockCount) {
             CopyInto(s.macros[p[1] - 1u], data);
         }
     }},
};

const WriteCommand* FindWriteCommand(std::uint8_t code) {
    for (const WriteCommand& command : kWriteCommands) {
        if (command.code == code) {
            return &command;
        }
    }
    return nullptr;
}

// --- Read commands --------------------------------------------------------------------------

CommandPacket AnswerPacket(std::uint8_t code, std::initializer_list<std::uint8_t> parameters) {
    CommandPacket packet{code};
    std::copy(parameters.begin(), parameters.end(), packet.begin() + 1);
    return WithChecksum(packet);
}

}  // namespace

SimulatedMouseFirmware::SimulatedMouseFirmware(SimulatedMouseState state, HandshakeStyle style)
    : state_(state), style_(style) {}

bool SimulatedMouseFirmware::ReceivePacket(const CommandPacket& wire) {
    // A new command ends whatever the last one left unfinished.
    answer_wire_.reset();
    answer_data_.clear();
    data_out_.clear();
    pending_write_.reset();
    if (ReceiveHandshake(wire) || !accepted_) {
        return false;  // before the handshake the mouse understands nothing else
    }
    const CommandPacket plain = Unscramble(wire, HandshakeXorKey());
    if (!HasValidChecksum(plain)) {
        return false;
    }
    return ReceiveCommand(plain);
}

// True when `wire` was a handshake in either form (answered or deliberately ignored).
bool SimulatedMouseFirmware::ReceiveHandshake(const CommandPacket& wire) {
    if (wire == kHandshakeRequest) {
        if (style_ == HandshakeStyle::Plain) {
            answer_wire_ = wire;
        }
        return true;
    }
    if (Unscramble(wire, HandshakeXorKey()) == kHandshakeRequest) {
        if (style_ == HandshakeStyle::Scrambled) {
            accepted_ = true;
            answer_wire_ = wire;  // the same bytes, scrambled with the same key
        }
        return true;
    }
    return false;
}

bool SimulatedMouseFirmware::ReceiveCommand(const CommandPacket& plain) {
    if (IsReadCommand(plain[0])) {
        if (auto answer = AnswerRead(plain)) {
            answer_wire_ = Encode(answer->packet);
            answer_data_ = std::move(answer->data);
        }
        return false;
    }
    const WriteCommand* command = FindWriteCommand(plain[0]);
    if (command == nullptr) {
        return false;
    }
    const std::size_t length = command->has_data_phase ? plain[kPacketLengthByte] : 0;
    if (length == 0) {
        command->apply(state_, plain, {});
        return true;
    }
    pending_write_ = PendingWrite{plain, length, {}};
    return false;
}

std::optional<SimulatedMouseFirmware::Answer> SimulatedMouseFirmware::AnswerRead(
    const CommandPacket& plain) const {
    const std::uint8_t index = plain[1];
    Answer answer;
    switch (plain[0]) {
        case 0x83: {
            const auto& b = state_.sensor_block;
            answer.packet = AnswerPacket(0x83, {b[0], b[1], b[2], b[3]});
            return answer;
        }
        case 0x87: {
            if (index >= kLightingDetailCount) {
                return std::nullopt;
            }
            const auto& b = state_.lighting_detail[index];
            answer.packet = AnswerPacket(0x87, {index, b[0], b[1], b[2]});
            return answer;
        }
        case 0x8D: {
            const auto& b = state_.lighting;
            answer.packet = AnswerPacket(0x8D, {b[0], b[1], b[2]});
            return answer;
        }
        case 0x90:
            if (index >= kSettingsBlockCount) {
                return std::nullopt;
            }
            answer.data.assign(state_.settings[index].begin(), state_.settings[index].end());
            break;
        case 0x93:
            if (index < 1 || index > kMacroBlockCount) {
                return std::nullopt;
            }
            answer.data.assign(state_.macros[index - 1u].begin(), state_.macros[index - 1u].end());
            break;
        default:
            return std::nullopt;
    }
    if (answer_fault_ == AnswerFault::OverlongLength) {
        answer.data.resize(kOverlongLength, kOverlongFiller);
    }
    answer.packet = AnswerPacket(plain[0], {index, static_cast<std::uint8_t>(answer.data.size())});
    return answer;
}

CommandPacket SimulatedMouseFirmware::Encode(const CommandPacket& plain) const {
    return Scramble(plain, HandshakeXorKey());
}

CommandPacket SimulatedMouseFirmware::TakeAnswer() {
    if (answer_fault_ == AnswerFault::Garbage) {
        CommandPacket garbage{};
        for (auto& byte : garbage) {
            byte = NextGarbageByte();
        }
        return garbage;
    }
    const CommandPacket answer = answer_wire_.value_or(CommandPacket{});
    answer_wire_.reset();
    for (std::size_t offset = 0; offset < answer_data_.size(); offset += kDataReportPayload) {
        DataReportBytes report{};
        const std::size_t count = std::min(kDataReportPayload, answer_data_.size() - offset);
        std::copy_n(answer_data_.begin() + static_cast<std::ptrdiff_t>(offset), count,
                    report.begin());
        data_out_.push_back(report);
    }
    answer_data_.clear();
    return answer;
}

bool SimulatedMouseFirmware::ReceiveData(std::span<const std::uint8_t> data) {
    if (!pending_write_) {
        return false;  // no write command expects data: the report is dropped
    }
    PendingWrite& write = *pending_write_;
    const std::size_t count =
        std::min({data.size(), kDataReportPayload, write.length - write.data.size()});
    write.data.insert(write.data.end(), data.begin(),
                      data.begin() + static_cast<std::ptrdiff_t>(count));
    if (write.data.size() < write.length) {
        return false;
    }
    if (const WriteCommand* command = FindWriteCommand(write.packet[0])) {
        command->apply(state_, write.packet, write.data);
    }
    pending_write_.reset();
    return true;
}

std::optional<DataReportBytes> SimulatedMouseFirmware::TakeData() {
    if (answer_fault_ == AnswerFault::Garbage) {
        DataReportBytes garbage{};
        for (auto& byte : garbage) {
            byte = NextGarbageByte();
        }
        return garbage;
    }
    if (data_out_.empty()) {
        return std::nullopt;
    }
    const DataReportBytes report = data_out_.front();
    data_out_.pop_front();
    return report;
}

void SimulatedMouseFirmware::Press(ButtonPress press) {
    if (press.code == kReportRateEvent) {
        state_.sensor_block[State::kReportRateIndex] = press.value;
    }
}

void SimulatedMouseFirmware::PowerCycle() {
    accepted_ = false;
    answer_wire_.reset();
    answer_data_.clear();
    data_out_.clear();
    pending_write_.reset();
}

// xorshift32: a fixed sequence, so a failing garbage test fails the same way every run.
std::uint8_t SimulatedMouseFirmware::NextGarbageByte() {
    garbage_state_ ^= garbage_state_ << 13;
    garbage_state_ ^= garbage_state_ >> 17;
    garbage_state_ ^= garbage_state_ << 5;
    return static_cast<std::uint8_t>(garbage_state_ >> 24);
}

}  // namespace corvanti
