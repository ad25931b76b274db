#include "app/default_settings.h"

#include "app/settings_file.h"
#include "common/ini_file.h"

namespace corvanti {
namespace {

constexpr std::string_view kDefaultLanguageCode = "EN";
constexpr std::string_view kDefaultSkinName = "Default";
constexpr Rgb kDefaultTextColor{230, 230, 230};

}  // namespace

std::error_code WriteDefaultSettings(const std::filesystem::path& settings_file) {
    if (auto error = WriteIniString(settings_file, kSkinsSection, "Lan", kDefaultLanguageCode)) {
        return error;
    }
    return WriteSkinSettings(settings_file, kDefaultTextColor, kDefaultSkinName);
}

}  // namespace corvanti
