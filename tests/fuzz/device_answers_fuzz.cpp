// Feeds arbitrary mouse answers (feature answers, input reports, refused reports and odd report
// lengths) through the device commands and the Apply sequence: they must never crash, write
// outside the device mirror (it lives alone on the heap, and the library's bounds checks are
// on), or wait longer than a bounded time.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "common/user_messages.h"
#include "device/apply_sequence.h"
#include "device/device_commands.h"
#include "device/link_state.h"
#include "device/packet_transport.h"
#include "device/pause_clock.h"
#include "fuzz_require.h"

namespace {

using corvanti::fuzz::Require;

using corvanti::HidCollection;
using std::chrono::milliseconds;

// Longest that a whole Apply may wait, pauses and read time-outs together, whatever the mouse
// answers: its own pauses plus one time-out per read command with a data phase.
constexpr milliseconds kLongestApplyWait{4000};

// The fuzzer's bytes, taken in order; once they run out the mouse is silent.
class AnswerStream {
  public:
    explicit AnswerStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Empty() const { return bytes_.empty(); }
    std::uint8_t Byte() {
        if (bytes_.empty()) {
            return 0;
        }
        const std::uint8_t byte = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return byte;
    }
    // Fills `out` from the stream (zeros past its end).
    void Fill(std::span<std::uint8_t> out) {
        const std::size_t count = std::min(out.size(), bytes_.size());
        std::copy_n(bytes_.begin(), count, out.begin());
        std::fill(out.begin() + static_cast<std::ptrdiff_t>(count), out.end(), std::uint8_t{0});
        bytes_ = bytes_.subspan(count);
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

// Adds up every wait: the pauses asked for and the time-outs of reads that found nothing.
struct WaitMeter {
    milliseconds waited{0};
};

// A mouse whose every answer comes from the stream. One control byte per call decides whether
// the call is refused (odd) or answered.
class FuzzedCollection : public HidCollection {
  public:
    FuzzedCollection(AnswerStream& stream, WaitMeter& meter) : stream_(stream), meter_(meter) {}

    bool SetFeature(std::span<const std::uint8_t>) override { return Accepted(); }
    bool GetFeature(std::span<std::uint8_t> report) override {
        if (!Accepted()) {
            return false;
        }
        stream_.Fill(report);
        return true;
    }
    bool WriteOutput(std::span<const std::uint8_t>) override { return Accepted(); }
    std::size_t ReadInput(std::span<std::uint8_t> report, milliseconds timeout) override {
        if (stream_.Empty() || !Accepted()) {
            meter_.waited += timeout;
            return 0;
        }
        stream_.Fill(report);
        return report.size();
    }

  private:
    bool Accepted() { return !stream_.Empty() && (stream_.Byte() & 1U) == 0; }

    AnswerStream& stream_;
    WaitMeter& meter_;
};

class MeteredClock : public corvanti::PauseClock {
  public:
    explicit MeteredClock(WaitMeter& meter) : meter_(meter) {}
    void Pause(milliseconds duration) override { meter_.waited += duration; }

  private:
    WaitMeter& meter_;
};

class NoTrace : public corvanti::TraceSink {
  public:
    void Trace(std::string_view) override {}
};

class NoFiles : public corvanti::ApplyPersistence {
  public:
    void SaveProfile() override {}
    void WriteCaptions() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AnswerStream stream(std::span(data, size));
    WaitMeter meter;
    MeteredClock clock(meter);
    NoTrace trace;
    NoFiles files;

    corvanti::LinkState link;
    // The lengths come from the device's own descriptors, so they are the mouse's to choose too.
    link.feature_length = stream.Byte();
    link.input_length = stream.Byte();
    link.output_length = stream.Byte();
    link.scrambling.store(stream.Byte() & 1);
    link.xor_key = corvanti::ScramblerKey{0, 1, 2, 3, 4, 5, 6, 0};
    link.command = std::make_unique<FuzzedCollection>(stream, meter);
    corvanti::ProfileRecord profile;
    stream.Fill(profile.bytes());

    auto mirror = std::make_unique<corvanti::DeviceMirror>();
    corvanti::PacketTransport transport(link, clock);
    corvanti::DeviceCommands commands(transport, *mirror, clock, trace);
    commands.RefreshSensorBlock();
    corvanti::RunApply(profile, commands, files);
    Require(meter.waited <= kLongestApplyWait);
    return 0;
}
