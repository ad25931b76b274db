#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "device/device_event.h"
#include "device/link_state.h"

namespace corvanti {

// How long one read of the event channel waits, and how long the reader idles while no mouse
// is connected, before it looks again at the connected flag and at a stop request.
inline constexpr std::chrono::milliseconds kEventPollInterval{100};

// Turns event-channel reports into device events for the whole life of the link. The thread
// is created suspended and runs once resumed; it sleeps while no mouse is connected and
// picks up a channel that a later device open provides. Events are delivered on the reader's
// own thread.
class EventReader {
  public:
    // Creates the thread that runs `body`; throws std::system_error as std::thread does when
    // the system has no thread to give.
    using ThreadStarter = std::function<std::thread(std::function<void()> body)>;
    static std::thread StartThread(std::function<void()> body);

    EventReader(LinkState& link, DeviceEventSink& events,
                std::chrono::milliseconds poll_interval = kEventPollInterval,
                ThreadStarter start_thread = StartThread);
    ~EventReader();
    EventReader(const EventReader&) = delete;
    EventReader& operator=(const EventReader&) = delete;

    // Creates the thread, waiting for Resume(). False when no thread could be created: the
    // program then runs on without device events.
    bool Start();
    // Lets the thread read; further calls do nothing.
    void Resume();
    bool started() const { return thread_.joinable(); }
    bool resumed() const;
    // Ends the thread and waits for it (at most one poll interval after a delivery returns).
    // A sink that hands events synchronously to another thread must not block on that thread
    // while it is the one calling Stop, or the two wait for each other.
    void Stop();

  private:
    void Run();
    bool WaitUntilResumed();
    bool IdleUnlessStopped();
    void ReadOnce(HidCollection& channel);

    LinkState& link_;
    DeviceEventSink& events_;
    const std::chrono::milliseconds poll_interval_;
    ThreadStarter start_thread_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool resumed_ = false;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace corvanti
