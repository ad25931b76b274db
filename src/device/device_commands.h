#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "common/user_messages.h"
#include "device/device_mirror.h"
#include "device/packet_transport.h"
#include "device/pause_clock.h"

namespace corvanti {

// The mouse needs this pause between the commands of a series.
inline constexpr std::chrono::milliseconds kCommandPause{2};

// Command codes; read commands carry kReadCommandBit.
enum class CommandCode : std::uint8_t {
    Handshake = 0x00,
    SetReportRate = 0x01,
    WriteSensorBlock = 0x03,
    ReadSensorBlock = 0x83,
    WriteLightingDetail = 0x07,
    ReadLightingDetail = 0x87,
    WriteLightingBlock = 0x0D,
    ReadLightingBlock = 0x8D,
    WriteSettingsBlock = 0x10,
    ReadSettingsBlock = 0x90,
    WriteDpiStages = 0x11,
    WriteKeyMatrix = 0x12,
    WriteMacro = 0x13,
    ReadMacro = 0x93,
};

// Option-2 bit of the sensor block that the program sets whenever it accepts the mouse.
inline constexpr std::uint8_t kSensorAcceptBit = 0x40;

// Every command the program sends, each moving one part of the mirror to or from the mouse.
// Answers are taken as they come; an answer naming a block or macro that does not exist
// changes nothing.
class DeviceCommands {
  public:
    DeviceCommands(PacketTransport& transport, DeviceMirror& mirror, PauseClock& clock,
                   TraceSink& trace)
        : transport_(transport), mirror_(mirror), clock_(clock), trace_(trace) {}

    DeviceMirror& mirror() { return mirror_; }

    void SetReportRate();
    void ReadSensorBlock();
    void WriteSensorBlock();
    void ReadLightingBlock();
    void WriteLightingBlock();
    void ReadLightingDetailBlocks();
    void WriteLightingDetailBlocks();
    void ReadSettingsBlocks();
    void WriteSettingsBlocks();
    void WriteDpiStages();
    void WriteKeyMatrices();
    // Macro numbers count from 1 to 12.
    void WriteMacro(std::uint8_t number);
    void ReadMacro(std::uint8_t number);

    // Done whenever the mouse is accepted: read the sensor block, take its sensor type for the
    // DPI codes, set the accept bit of option 2 and write the block back.
    void RefreshSensorBlock();

    void PauseBetweenCommands() { clock_.Pause(kCommandPause); }

  private:
    void Pause() { PauseBetweenCommands(); }

    PacketTransport& transport_;
    DeviceMirror& mirror_;
    PauseClock& clock_;
    TraceSink& trace_;
};

}  // namespace corvanti
