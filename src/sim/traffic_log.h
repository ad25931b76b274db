#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <span>
#include <string>

namespace corvanti {

// Which report crossed the wire, seen from the program: '>' the program sent it, '<' the
// program received it.
enum class TrafficKind {
    FeatureSent,      // "> feature": a set-feature request
    FeatureReceived,  // "< feature": the answer a get-feature request read
    OutputSent,       // "> output"
    InputReceived,    // "< input"
};

// One log line without its line end: the direction and kind, then the whole report (report id
// first) as lower-case hex, e.g. "> feature 00a1b2c3d4e5f60718".
std::string FormatTrafficLine(TrafficKind kind, std::span<const std::uint8_t> report);

// Appends one line per report to a file, in the order the reports are recorded, flushed after
// each line so the log survives a crash of the process. Safe to call from several threads.
class TrafficLog {
  public:
    // Starts a new log, replacing an old one at `path`. is_open() tells whether it worked.
    explicit TrafficLog(const std::filesystem::path& path);
    ~TrafficLog();
    TrafficLog(const TrafficLog&) = delete;
    TrafficLog& operator=(const TrafficLog&) = delete;

    bool is_open() const { return file_ != nullptr; }
    void Record(TrafficKind kind, std::span<const std::uint8_t> report);

  private:
    std::mutex mutex_;
    std::FILE* file_ = nullptr;
};

}  // namespace corvanti
