#include "device/device_commands.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "profile/key_function.h"

namespace corvanti {

namespace {

constexpr std::uint8_t kSettingsLength = kSettingsBlockSize;
constexpr std::uint8_t kDpiCodesLength = kDpiStageCodeCount;
constexpr std::uint8_t kKeyMatrixLength = kKeyMatrixSize;
constexpr std::uint8_t kMacroLength = kMacroBlockSize;

CommandPacket Packet(CommandCode code, std::uint8_t b1 = 0, std::uint8_t b2 = 0,
                     std::uint8_t b3 = 0, std::uint8_t b4 = 0) {
    return {static_cast<std::uint8_t>(code), b1, b2, b3, b4, 0, 0, 0};
}

// Copies the announced number of data bytes, never more than the block holds.
void CopyAnnounced(std::span<const std::uint8_t> data, std::uint8_t announced,
                   std::span<std::uint8_t> block) {
    const std::size_t count = std::min<std::size_t>({announced, data.size(), block.size()});
    std::copy_n(data.begin(), count, block.begin());
}

std::string KeyMatrixTrace(std::size_t number, const KeyMatrix& matrix) {
    std::string text = "Write KeyMatrix[" + std::to_string(number) + "]:\n";
    for (std::size_t position = 0; position < kKeyMatrixWordCount; ++position) {
        char word[16];
        std::snprintf(word, sizeof word, position == 0 ? "%08x\n" : " %08x\n",
                      KeyMatrixWordValue(matrix, position));
        text += word;
    }
    return text;
}

}  // namespace

void DeviceCommands::SetReportRate() {
    auto packet = Packet(CommandCode::SetReportRate, mirror_.report_rate);
    transport_.SendPacket(packet);
}

void DeviceCommands::ReadSensorBlock() {
    auto packet = Packet(CommandCode::ReadSensorBlock);
    transport_.SendPacket(packet);
    mirror_.sensor = {packet[1], packet[2], packet[3], packet[4]};
    char text[96];
    std::snprintf(text, sizeof text,
                  "Sensor Type:%02x\n,,Rate:%02x\n,Option1:%02x\n,Option2:%02x\n", packet[1],
                  packet[2], packet[3], packet[4]);
    trace_.Trace(text);
}

void DeviceCommands::WriteSensorBlock() {
    const auto& sensor = mirror_.sensor;
    auto packet = Packet(CommandCode::WriteSensorBlock, sensor.sensor_type, sensor.rate,
                         sensor.option1, sensor.option2);
    transport_.SendPacket(packet);
}

void DeviceCommands::RefreshSensorBlock() {
    ReadSensorBlock();
    mirror_.dpi_sensor_type = mirror_.sensor.sensor_type;
    mirror_.sensor.option2 = static_cast<std::uint8_t>(mirror_.sensor.option2 | kSensorAcceptBit);
    WriteSensorBlock();
}

void DeviceCommands::ReadLightingBlock() {
    auto packet = Packet(CommandCode::ReadLightingBlock);
    transport_.SendPacket(packet);
    mirror_.lighting = {packet[1], packet[2], packet[3]};
    char text[80];
    std::snprintf(text, sizeof text, "Effect:%02x\n,Option1:%02x\n,Option2:%02x\n", packet[1],
                  packet[2], packet[3]);
    trace_.Trace(text);
}

void DeviceCommands::WriteLightingBlock() {
    const auto& lighting = mirror_.lighting;
    auto packet = Packet(CommandCode::WriteLightingBlock, lighting.effect, lighting.option1,
                         lighting.option2);
    transport_.SendPacket(packet);
}

// The mouse expects the second request to carry the bytes of the first answer, so one packet
// is reused for both.
void DeviceCommands::ReadLightingDetailBlocks() {
    CommandPacket packet{};
    for (std::uint8_t index = 0; index < kLightingDetailCount; ++index) {
        packet[0] = static_cast<std::uint8_t>(CommandCode::ReadLightingDetail);
        packet[1] = index;
        transport_.SendPacket(packet);
        if (packet[1] < kLightingDetailCount) {
            std::copy_n(packet.begin() + 2, kLightingDetailSize,
                        mirror_.lighting_detail[packet[1]].begin());
        }
        Pause();
    }
}

void DeviceCommands::WriteLightingDetailBlocks() {
    for (std::uint8_t index = 0; index < kLightingDetailCount; ++index) {
        const auto& block = mirror_.lighting_detail[index];
        auto packet = Packet(CommandCode::WriteLightingDetail, index, block[0], block[1], block[2]);
        transport_.SendPacket(packet);
        Pause();
    }
}

void DeviceCommands::ReadSettingsBlocks() {
    for (std::uint8_t index = 0; index < kSettingsBlockCount; ++index) {
        auto packet = Packet(CommandCode::ReadSettingsBlock, index);
        SettingsBlock data{};
        transport_.SendReadWithData(packet, data);
        if (packet[1] < kSettingsBlockCount) {
            CopyAnnounced(data, packet[kPacketLengthByte], mirror_.settings[packet[1]]);
        }
        Pause();
    }
}

void DeviceCommands::WriteSettingsBlocks() {
    for (std::uint8_t index = 0; index < kSettingsBlockCount; ++index) {
        auto packet = Packet(CommandCode::WriteSettingsBlock, index, kSettingsLength);
        transport_.SendPacketWithData(packet, mirror_.settings[index]);
        Pause();
    }
}

void DeviceCommands::WriteDpiStages() {
    auto packet = Packet(CommandCode::WriteDpiStages, mirror_.dpi_stage_count, kDpiCodesLength);
    transport_.SendPacketWithData(packet, mirror_.dpi_stage_codes);
}

void DeviceCommands::WriteKeyMatrices() {
    for (std::uint8_t number = 1; number <= kKeyMatrixCount; ++number) {
        const auto& matrix = mirror_.key_matrices[number - 1u];
        trace_.Trace(KeyMatrixTrace(number, matrix));
        auto packet = Packet(CommandCode::WriteKeyMatrix, number, kKeyMatrixLength);
        transport_.SendPacketWithData(packet, matrix);
        Pause();
    }
}

void DeviceCommands::WriteMacro(std::uint8_t number) {
    if (number < 1 || number > kMacroBlockCount) {
        return;
    }
    const auto block = std::span<const std::uint8_t>(mirror_.macro_area)
                           .subspan((number - 1u) * kMacroBlockSize, kMacroBlockSize);
    auto packet = Packet(CommandCode::WriteMacro, number, kMacroLength);
    transport_.SendPacketWithData(packet, block);
}

void DeviceCommands::ReadMacro(std::uint8_t number) {
    auto packet = Packet(CommandCode::ReadMacro, number);
    std::array<std::uint8_t, kMacroBlockSize> data{};
    transport_.SendReadWithData(packet, data);
    const std::uint8_t answered = packet[1];
    if (answered < 1 || answered > kMacroBlockCount) {
        return;
    }
    const auto block = std::span<std::uint8_t>(mirror_.macro_area)
                           .subspan((answered - 1u) * kMacroBlockSize, kMacroBlockSize);
    CopyAnnounced(data, packet[kPacketLengthByte], block);
}

}  // namespace corvanti
