#include "device/link_state.h"

#include <utility>

namespace corvanti {

std::shared_ptr<HidCollection> LinkState::EventChannel() const {
    const std::lock_guard lock(event_mutex_);
    return event_read_;
}

std::uint16_t LinkState::event_length() const {
    const std::lock_guard lock(event_mutex_);
    return event_length_;
}

void LinkState::SetEventChannel(std::shared_ptr<HidCollection> channel, std::uint16_t length) {
    const std::lock_guard lock(event_mutex_);
    event_read_ = std::move(channel);
    event_length_ = length;
}

void LinkState::ReleaseCollections() {
    command.reset();
    event_write.reset();
    SetEventChannel(nullptr, 0);
}

}  // namespace corvanti
