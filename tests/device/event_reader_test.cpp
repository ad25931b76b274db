#include "device/event_reader.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <system_error>

#include "fake_hid.h"

namespace corvanti {
namespace {

using testing::Report;

TEST(DecodeEventReport, PassesOnlySwitchEventsOfReportSix) {
    struct Case {
        Report report;
        std::optional<DeviceEvent> event;
    };
    const Case cases[] = {
        {{6, 5, 0, 8}, DeviceEvent{DeviceEventCode::ReportRateSwitch, 8}},
        {{6, 7, 9, 3}, DeviceEvent{DeviceEventCode::DpiStageSwitch, 3}},
        {{6, 8, 0, 2}, DeviceEvent{DeviceEventCode::KeyMatrixSwitch, 2}},
        {{6, 9, 0, 12}, DeviceEvent{DeviceEventCode::MacroSwitch, 12}},
        {{6, 6, 0, 1}, std::nullopt},
        {{6, 14, 0, 0}, std::nullopt},  // the link's own codes never come from the mouse
        {{6, 15, 0, 0}, std::nullopt},
        {{5, 7, 0, 1}, std::nullopt},
        {{6, 7}, DeviceEvent{DeviceEventCode::DpiStageSwitch, 0}},  // short report
        {{6}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeEventReport(c.report), c.event) << ::testing::PrintToString(c.report);
    }
}

// Collects events from the reader thread and lets the test wait for them.
class WaitingEvents : public DeviceEventSink {
  public:
    void Deliver(DeviceEventCode code, std::uint8_t value) override {
        const std::lock_guard lock(mutex_);
        events_.push_back({code, value});
        arrived_.notify_all();
    }
    std::vector<DeviceEvent> WaitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, std::chrono::seconds(5), [&] { return events_.size() >= count; });
        return events_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<DeviceEvent> events_;
};

// An event channel that hands out queued reports; the queue is guarded because the reader
// runs on its own thread.
class QueuedChannel : public HidCollection {
  public:
    void Push(Report report) {
        const std::lock_guard lock(mutex_);
        reports_.push_back(std::move(report));
        ready_.notify_all();
    }
    std::size_t reads() {
        const std::lock_guard lock(mutex_);
        return reads_;
    }
    bool SetFeature(std::span<const std::uint8_t>) override { return false; }
    bool GetFeature(std::span<std::uint8_t>) override { return false; }
    bool WriteOutput(std::span<const std::uint8_t>) override { return false; }
    std::size_t ReadInput(std::span<std::uint8_t> report,
                          std::chrono::milliseconds timeout) override {
        std::unique_lock lock(mutex_);
        ++reads_;
        if (!ready_.wait_for(lock, timeout, [&] { return !reports_.empty(); })) {
            return 0;
        }
        const Report next = reports_.front();
        reports_.pop_front();
        const std::size_t count = std::min(next.size(), report.size());
        std::copy_n(next.begin(), count, report.begin());
        return count;
    }

  private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Report> reports_;
    std::size_t reads_ = 0;
};

class EventReaderTest : public ::testing::Test {
  protected:
    EventReaderTest() {
        link_.SetEventChannel(channel_, 4);
        link_.connected.store(1);
    }
    LinkState link_;
    std::shared_ptr<QueuedChannel> channel_ = std::make_shared<QueuedChannel>();
    WaitingEvents events_;
    EventReader reader_{link_, events_, std::chrono::milliseconds(10)};
};

TEST_F(EventReaderTest, DeliversSwitchEventsInOrderAndSkipsTheRest) {
    reader_.Start();
    reader_.Resume();
    channel_->Push({6, 7, 0, 2});
    channel_->Push({6, 6, 0, 1});
    channel_->Push({1, 2, 3, 4});
    channel_->Push({6, 9, 0, 12});
    EXPECT_EQ(events_.WaitFor(2), (std::vector<DeviceEvent>{{DeviceEventCode::DpiStageSwitch, 2},
                                                            {DeviceEventCode::MacroSwitch, 12}}));
    reader_.Stop();
}

TEST_F(EventReaderTest, ReadsNothingUntilResumed) {
    reader_.Start();
    channel_->Push({6, 7, 0, 2});
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(channel_->reads(), 0u);
    EXPECT_FALSE(reader_.resumed());
    reader_.Resume();
    EXPECT_EQ(events_.WaitFor(1).size(), 1u);
}

TEST_F(EventReaderTest, SleepsWhileNotConnectedAndPicksUpANewChannel) {
    link_.connected.store(0);
    reader_.Start();
    reader_.Resume();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(channel_->reads(), 0u);

    auto replacement = std::make_shared<QueuedChannel>();
    link_.SetEventChannel(replacement, 4);
    replacement->Push({6, 5, 0, 1});
    link_.connected.store(1);
    EXPECT_EQ(events_.WaitFor(1),
              (std::vector<DeviceEvent>{{DeviceEventCode::ReportRateSwitch, 1}}));
}

TEST_F(EventReaderTest, StopEndsTheThreadWhetherSuspendedOrReading) {
    EventReader suspended(link_, events_, std::chrono::milliseconds(10));
    suspended.Start();
    suspended.Stop();
    EXPECT_FALSE(suspended.started());
    reader_.Start();
    reader_.Resume();
    reader_.Stop();
    EXPECT_FALSE(reader_.started());
    reader_.Stop();  // a second stop is harmless
}

// A system without a thread to give must not end the program: the reader reports that it did
// not start, and everything that would wake it does nothing.
TEST(EventReader, AThreadThatCannotBeCreatedLeavesTheReaderStopped) {
    LinkState link;
    WaitingEvents events;
    int attempts = 0;
    EventReader reader(link, events, std::chrono::milliseconds(5),
                       [&attempts](std::function<void()>) -> std::thread {
                           ++attempts;
                           throw std::system_error(
                               std::make_error_code(std::errc::resource_unavailable_try_again));
                       });
    EXPECT_FALSE(reader.Start());
    EXPECT_FALSE(reader.started());
    EXPECT_EQ(attempts, 1);
    reader.Resume();
    reader.Stop();
    EXPECT_FALSE(reader.started());
}

}  // namespace
}  // namespace corvanti
