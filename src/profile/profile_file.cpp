#include "profile/profile_file.h"

#include <algorithm>
#include <system_error>

#include "common/atomic_file.h"
#include "common/text_format.h"
#include "profile/factory_profile.h"

namespace corvanti {

namespace {

constexpr std::uint8_t kSavedOnceFlag = 1;

// Enough to tell a too-large file from the right one without reading more than that.
constexpr std::uintmax_t kReadLimit = kProfileFileSize + 1;

ProfileFileContent FactoryContent() {
    return {0, FactoryProfile()};
}

}  // namespace

ProfileFileBytes SerializeProfileFile(const ProfileFileContent& content) {
    ProfileFileBytes bytes{};
    bytes[0] = content.first_run_flag;
    std::ranges::copy(content.record.bytes(), bytes.begin() + 1);
    return bytes;
}

std::optional<ProfileFileContent> ParseProfileFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kProfileFileSize) {
        return std::nullopt;
    }
    ProfileFileContent content;
    content.first_run_flag = bytes[0];
    std::ranges::copy(bytes.subspan(1), content.record.bytes().begin());
    return content;
}

ProfileFileContent LoadProfileFile(const std::filesystem::path& path, UserMessages& messages,
                                   TraceSink& trace) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        messages.ShowMessage("Config file is not exist.", kApplicationTitle);
        return FactoryContent();
    }
    const auto bytes = ReadWholeFile(path, kReadLimit);
    const auto content = bytes ? ParseProfileFile(*bytes) : std::nullopt;
    if (!content) {
        return FactoryContent();
    }
    trace.Trace(FormatText("Prpgram First Run Flag:%d\nRead Size is: %d", content->first_run_flag,
                           static_cast<int>(kProfileRecordSize)));
    return *content;
}

bool SaveProfileFile(const std::filesystem::path& path, const ProfileRecord& record,
                     UserMessages& messages, TraceSink& trace) {
    const ProfileFileBytes bytes = SerializeProfileFile({kSavedOnceFlag, record});
    if (const std::error_code error = WriteFileAtomically(path, bytes)) {
        messages.ShowMessage(FormatText("Error Code is: %d \n", error.value()), "NULL ==fp ");
        return false;
    }
    trace.Trace(FormatText("Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1,
                           static_cast<int>(kProfileRecordSize),
                           static_cast<int>(kProfileRecordSize)));
    return true;
}

}  // namespace corvanti
