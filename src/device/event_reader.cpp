#include "device/event_reader.h"

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <utility>
#include <vector>

namespace corvanti {

namespace {

// Large enough for the event report even when the channel announces a shorter length.
constexpr std::size_t kMinimumEventReport = 4;

}  // namespace

std::thread EventReader::StartThread(std::function<void()> body) {
    return std::thread(std::move(body));
}

EventReader::EventReader(LinkState& link, DeviceEventSink& events,
                         std::chrono::milliseconds poll_interval, ThreadStarter start_thread)
    : link_(link),
      events_(events),
      poll_interval_(poll_interval),
      start_thread_(std::move(start_thread)) {}

EventReader::~EventReader() {
    Stop();
}

bool EventReader::Start() {
    if (thread_.joinable()) {
        return true;
    }
    try {
        thread_ = start_thread_([this] { Run(); });
    } catch (const std::system_error&) {
        return false;
    }
    return thread_.joinable();
}

void EventReader::Resume() {
    {
        const std::lock_guard lock(mutex_);
        resumed_ = true;
    }
    wake_.notify_all();
}

bool EventReader::resumed() const {
    const std::lock_guard lock(mutex_);
    return resumed_;
}

void EventReader::Stop() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool EventReader::WaitUntilResumed() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return resumed_ || stop_; });
    return !stop_;
}

// Sleeps one poll interval; false once a stop was requested.
bool EventReader::IdleUnlessStopped() {
    std::unique_lock lock(mutex_);
    return !wake_.wait_for(lock, poll_interval_, [this] { return stop_; });
}

void EventReader::Run() {
    if (!WaitUntilResumed()) {
        return;
    }
    for (;;) {
        {
            const std::lock_guard lock(mutex_);
            if (stop_) {
                return;
            }
        }
        const auto channel = link_.EventChannel();
        if (!link_.connected_now() || !channel) {
            if (!IdleUnlessStopped()) {
                return;
            }
            continue;
        }
        ReadOnce(*channel);
    }
}

void EventReader::ReadOnce(HidCollection& channel) {
    std::vector<std::uint8_t> report(
        std::max<std::size_t>(link_.event_length(), kMinimumEventReport), 0);
    const auto started_at = std::chrono::steady_clock::now();
    const std::size_t read = channel.ReadInput(report, poll_interval_);
    if (read == 0) {
        // A channel that fails at once (a mouse just pulled out) must not make the loop spin.
        if (std::chrono::steady_clock::now() - started_at < poll_interval_ / 2) {
            IdleUnlessStopped();
        }
        return;
    }
    if (!link_.connected_now()) {
        return;
    }
    report.resize(std::min(read, report.size()));
    if (const auto event = DecodeEventReport(report)) {
        events_.Deliver(event->code, event->value);
    }
}

}  // namespace corvanti
