#include "sim/traffic_log.h"

#include "common/hex_text.h"

namespace corvanti {

namespace {

const char* Prefix(TrafficKind kind) {
    switch (kind) {
        case TrafficKind::FeatureSent:
            return "> feature ";
        case TrafficKind::FeatureReceived:
            return "< feature ";
        case TrafficKind::OutputSent:
            return "> output ";
        case TrafficKind::InputReceived:
            return "< input ";
    }
    return "? ";
}

}  // namespace

std::string FormatTrafficLine(TrafficKind kind, std::span<const std::uint8_t> report) {
    return Prefix(kind) + ToHex(report);
}

TrafficLog::TrafficLog(const std::filesystem::path& path) {
#ifdef _WIN32
    file_ = _wfopen(path.c_str(), L"wb");
#else
    file_ = std::fopen(path.c_str(), "wb");
#endif
}

TrafficLog::~TrafficLog() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void TrafficLog::Record(TrafficKind kind, std::span<const std::uint8_t> report) {
    const std::lock_guard lock(mutex_);
    if (file_ == nullptr) {
        return;
    }
    const std::string line = FormatTrafficLine(kind, report) + '\n';
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}

}  // namespace corvanti
