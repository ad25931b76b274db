#include "common/atomic_file.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <string>

#include "common/disk_file.h"

namespace corvanti {

namespace fs = std::filesystem;

namespace {

// A name beside the target that no other writer in this process or another uses at the same
// time.
fs::path TemporarySibling(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path temporary = path;
    temporary += ".tmp" + std::to_string(stamp) + "-" + std::to_string(counter++);
    return temporary;
}

thread_local const SaveStep* failing_step = nullptr;

std::error_code InjectedFailure(SaveStep step) {
    if (failing_step != nullptr && *failing_step == step) {
        return std::make_error_code(std::errc::io_error);
    }
    return {};
}

// Runs one step unless a test has made it fail.
template <typename Step>
std::error_code RunStep(SaveStep step, Step&& run) {
    if (std::error_code error = InjectedFailure(step)) {
        return error;
    }
    return run();
}

std::error_code WriteToDisk(const fs::path& path, std::span<const std::uint8_t> bytes) {
    DiskFile file;
    if (std::error_code error = RunStep(SaveStep::Open, [&] { return file.Create(path); })) {
        return error;
    }
    if (std::error_code error = RunStep(SaveStep::Write, [&] { return file.Write(bytes); })) {
        return error;
    }
    if (std::error_code error = RunStep(SaveStep::Flush, [&] { return file.Flush(); })) {
        return error;
    }
    return file.Close();
}

}  // namespace

ScopedSaveFailure::ScopedSaveFailure(SaveStep step) : previous_(failing_step), step_(step) {
    failing_step = &step_;
}

ScopedSaveFailure::~ScopedSaveFailure() {
    failing_step = previous_;
}

std::error_code WriteFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const fs::path temporary = TemporarySibling(path);
    std::error_code error = WriteToDisk(temporary, bytes);
    if (!error) {
        error = RunStep(SaveStep::Rename, [&] { return ReplaceFileDurably(temporary, path); });
    }
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return error;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const fs::path& path,
                                                       std::uintmax_t max_size) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > max_size) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return std::nullopt;
    }
    // A file that grew between the size query and the read is read again by the caller's
    // next attempt; here only what was announced is returned.
    return bytes;
}

}  // namespace corvanti
