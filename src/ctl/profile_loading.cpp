#include "ctl/profile_loading.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "common/atomic_file.h"
#include "common/text_encoding.h"
#include "profile_text/profile_text_import.h"

namespace corvanti {

namespace {

// Far more than any profile text; a larger file is not one.
constexpr std::uintmax_t kMaxProfileTextSize = 1 << 20;

constexpr std::uint8_t kTab = 0x09;
constexpr std::uint8_t kLineFeed = 0x0A;
constexpr std::uint8_t kCarriageReturn = 0x0D;
constexpr std::uint8_t kFirstPrintable = 0x20;
constexpr std::uint8_t kDelete = 0x7F;

// TOML allows no control characters besides tab and line ends; a config.bin's first byte, the
// first-run flag, is already one.
bool HoldsBinaryBytes(const std::vector<std::uint8_t>& bytes) {
    return std::ranges::any_of(bytes, [](std::uint8_t byte) {
        return (byte < kFirstPrintable && byte != kTab && byte != kLineFeed &&
                byte != kCarriageReturn) ||
               byte == kDelete;
    });
}

}  // namespace

std::optional<ProfileFileContent> LoadProfileForCtl(const std::string& path, std::ostream& err) {
    const std::filesystem::path file = PathFromUtf8(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) {
        err << "corvanti-ctl: cannot read " << path << ": " << error.message() << "\n";
        return std::nullopt;
    }
    if (size != kProfileFileSize) {
        err << "corvanti-ctl: " << path << " is " << size
            << " bytes long; a profile file is exactly " << kProfileFileSize << " bytes\n";
        return std::nullopt;
    }
    // The file may change between the size check and the read; the parse checks again.
    const auto bytes = ReadWholeFile(file, kProfileFileSize);
    auto content = bytes ? ParseProfileFile(*bytes) : std::nullopt;
    if (!content) {
        err << "corvanti-ctl: cannot read " << path << "\n";
    }
    return content;
}

std::optional<ProfileFileContent> LoadAnyProfileForCtl(const std::string& path, std::ostream& err) {
    const std::filesystem::path file = PathFromUtf8(path);
    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(file, error);
    const auto bytes = regular ? ReadWholeFile(file, kMaxProfileTextSize) : std::nullopt;
    if (!bytes) {
        err << "corvanti-ctl: cannot read " << path
            << (regular ? ": it is larger than any profile" : "") << "\n";
        return std::nullopt;
    }
    if (bytes->size() == kProfileFileSize && HoldsBinaryBytes(*bytes)) {
        return ParseProfileFile(*bytes);
    }
    if (HoldsBinaryBytes(*bytes)) {
        err << "corvanti-ctl: " << path << " is " << bytes->size()
            << " bytes long; a profile file is exactly " << kProfileFileSize
            << " bytes, and it is not a profile text either\n";
        return std::nullopt;
    }
    const ProfileTextImport imported = ImportProfileText(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!imported.content) {
        err << "corvanti-ctl: " << path << ": " << imported.error.Describe() << "\n";
    }
    return imported.content;
}

}  // namespace corvanti
