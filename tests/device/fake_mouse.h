#pragma once

// A small firmware model on a scripted wire: it answers the handshake, every read command and
// takes every write command with its data phase, so sequences can be checked end to end.

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "device/command_packet.h"
#include "device/device_mirror.h"
#include "device/scrambler.h"
#include "fake_hid.h"

namespace corvanti::testing {

class FakeMouse {
  public:
    enum class Style { Scrambled, Plain };

    // What the mouse holds.
    SensorBlock sensor{2, 0x01, 0x10, 0x03};
    LightingBlock lighting{1, 3, 7};
    std::array<LightingDetailBlock, 2> detail{{{9, 8, 7}, {6, 5, 4}}};
    std::array<SettingsBlock, 2> settings{};
    std::array<KeyMatrix, 4> key_matrices{};
    MacroArea macros{};
    std::array<std::uint8_t, 8> dpi_codes{};
    std::uint8_t report_rate = 0;
    std::vector<CommandPacket> requests;  // as the mouse understood them

    // Read commands answered from now on before the mouse falls silent (no feature answers,
    // no input reports).
    std::size_t answers_left = SIZE_MAX;

    FakeMouse(std::shared_ptr<Wire> wire, Style style, bool already_accepted = false)
        : wire_(std::move(wire)), style_(style), accepted_(already_accepted) {
        for (std::size_t i = 0; i < settings[0].size(); ++i) {
            settings[0][i] = static_cast<std::uint8_t>(0xA0 + i);
        }
        wire_->on_set_feature = [this](Wire&, const Report& report) { OnFeature(report); };
        wire_->on_output = [this](Wire&, const Report& report) { OnOutput(report); };
    }

  private:
    bool scrambles() const { return style_ == Style::Scrambled && accepted_; }

    void OnFeature(const Report& report) {
        CommandPacket packet{};
        std::copy_n(report.begin() + 1, kPacketSize, packet.begin());
        if (packet == kPlainHandshake) {
            // A new handshake starts over: a scrambling mouse does not understand the plain try.
            accepted_ = false;
            requests.push_back(packet);
            return Answer(style_ == Style::Plain ? packet : CommandPacket{});
        }
        if (style_ == Style::Scrambled) {
            packet = Unscramble(packet, HandshakeXorKey());
        }
        requests.push_back(packet);
        if (packet == kPlainHandshake && style_ == Style::Scrambled) {
            accepted_ = true;
            return Answer(packet);
        }
        if (IsReadCommand(packet[0])) {
            return AnswerRead(packet);
        }
        pending_ = packet;
        pending_data_.clear();
        Commit();
    }

    static constexpr CommandPacket kPlainHandshake = {0x00, 0xAA, 0xDD, 0x3B,
                                                      0x62, 0x00, 0x00, 0xDB};

    void Answer(CommandPacket answer, const std::vector<std::uint8_t>& data = {}) {
        if (answers_left == 0) {
            return;
        }
        --answers_left;
        answer = WithChecksum(answer);
        if (scrambles()) {
            answer = Scramble(answer, HandshakeXorKey());
        }
        Report report(9, 0);
        std::copy(answer.begin(), answer.end(), report.begin() + 1);
        wire_->feature_answers.push_back(report);
        for (std::size_t offset = 0; offset < data.size(); offset += 32) {
            Report input(33, 0);
            std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset),
                        std::min<std::size_t>(32, data.size() - offset), input.begin() + 1);
            wire_->input_reports.push_back(input);
        }
    }

    void AnswerRead(const CommandPacket& packet) {
        const std::uint8_t b1 = packet[1];
        switch (packet[0]) {
            case 0x83:
                return Answer(
                    {0x83, sensor.sensor_type, sensor.rate, sensor.option1, sensor.option2});
            case 0x8D:
                return Answer({0x8D, lighting.effect, lighting.option1, lighting.option2});
            case 0x87:
                return Answer({0x87, b1, detail[b1 & 1][0], detail[b1 & 1][1], detail[b1 & 1][2]});
            case 0x90:
                return Answer({0x90, b1, 24}, std::vector<std::uint8_t>(settings[b1 & 1].begin(),
                                                                        settings[b1 & 1].end()));
            case 0x93: {
                const auto* block = macros.data() + (b1 - 1u) % 12u * 128u;
                return Answer({0x93, b1, 128}, std::vector<std::uint8_t>(block, block + 128));
            }
            default:
                return Answer(packet);
        }
    }

    void OnOutput(const Report& report) {
        pending_data_.insert(pending_data_.end(), report.begin() + 1, report.begin() + 33);
        Commit();
    }

    // Takes a write command once its data phase is complete.
    void Commit() {
        const std::size_t length = pending_[2];
        const bool has_data = pending_[0] >= 0x10;
        if (has_data && pending_data_.size() < DataReportCount(length) * 32) {
            return;
        }
        const std::uint8_t b1 = pending_[1];
        switch (pending_[0]) {
            case 0x01:
                report_rate = b1;
                break;
            case 0x03:
                sensor = {b1, pending_[2], pending_[3], pending_[4]};
                break;
            case 0x07:
                detail[b1 & 1] = {pending_[2], pending_[3], pending_[4]};
                break;
            case 0x0D:
                lighting = {b1, pending_[2], pending_[3]};
                break;
            case 0x10:
                std::copy_n(pending_data_.begin(), 24, settings[b1 & 1].begin());
                break;
            case 0x11:
                std::copy_n(pending_data_.begin(), 8, dpi_codes.begin());
                break;
            case 0x12:
                std::copy_n(pending_data_.begin(), 64, key_matrices[(b1 - 1u) & 3].begin());
                break;
            case 0x13:
                std::copy_n(pending_data_.begin(), 128, macros.begin() + (b1 - 1u) % 12u * 128u);
                break;
            default:
                break;
        }
        pending_ = {0xFF};
        pending_data_.clear();
    }

    std::shared_ptr<Wire> wire_;
    Style style_;
    bool accepted_;
    CommandPacket pending_{0xFF};
    std::vector<std::uint8_t> pending_data_;
};

}  // namespace corvanti::testing
