#include "ctl/profile_loading.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "common/atomic_file.h"
#include "common/text_encoding.h"

namespace corvanti {

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

}  // namespace corvanti
