#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "device/hid_transport.h"
#include "device/scrambler.h"

namespace corvanti {

// The link to the mouse, once per process. The user-interface thread owns the command
// channel and the lengths; the event reader shares only the connected flag and the event
// channel, which it takes through EventChannel() so that a new device open can replace the
// channel while a read on the old one is still running.
class LinkState {
  public:
    std::unique_ptr<HidCollection> command;
    std::unique_ptr<HidCollection> event_write;  // opened with the event channel, never used
    std::string device_path;                     // path of the last interface examined
    std::uint16_t feature_length = 0;
    std::uint16_t input_length = 0;
    std::uint16_t output_length = 0;
    ScramblerKey xor_key{};

    std::atomic<int> connected{0};
    std::atomic<int> scrambling{0};

    std::shared_ptr<HidCollection> EventChannel() const;
    std::uint16_t event_length() const;
    void SetEventChannel(std::shared_ptr<HidCollection> channel, std::uint16_t length);

    // Drops every collection of an earlier open, so a new open starts from nothing.
    void ReleaseCollections();

    bool connected_now() const { return connected.load() == 1; }

  private:
    mutable std::mutex event_mutex_;
    std::shared_ptr<HidCollection> event_read_;
    std::uint16_t event_length_ = 0;
};

}  // namespace corvanti
