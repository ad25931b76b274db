#include "app/startup_choices.h"

namespace corvanti {
namespace {

constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;
constexpr int kChineseNormalHeight = 13;
constexpr int kEnglishNormalHeight = 14;
constexpr int kTitleHeight = 18;

// The UI faces as UTF-8: SimHei and SimSun.
constexpr const char* kHeiFace = "\xE9\xBB\x91\xE4\xBD\x93";
constexpr const char* kSongFace = "\xE5\xAE\x8B\xE4\xBD\x93";

MainWindowFonts ChineseFonts(const char* face) {
    return {{face, kChineseNormalHeight, kNormalWeight}, {face, kTitleHeight, kBoldWeight}};
}

bool IsWindows62(std::uint32_t packed_version) {
    const auto major = packed_version & 0xFFu;
    const auto minor = (packed_version >> 8) & 0xFFu;
    return major == 6 && minor == 2;
}

}  // namespace

MainWindowFonts FontsFor(Language language, std::uint32_t packed_windows_version) {
    switch (language) {
        case Language::SimplifiedChinese:
            return ChineseFonts(IsWindows62(packed_windows_version) ? kHeiFace : kSongFace);
        case Language::TraditionalChinese:
            return ChineseFonts(kHeiFace);
        case Language::English:
            break;
    }
    return {{"Arial", kEnglishNormalHeight, kNormalWeight}, {"Tahoma", kTitleHeight, kBoldWeight}};
}

std::string SkinDirectory(std::string_view executable_path, std::string_view skin_name) {
    const auto last_separator = executable_path.find_last_of("\\/");
    const auto folder = last_separator == std::string_view::npos
                            ? std::string_view{}
                            : executable_path.substr(0, last_separator + 1);
    std::string directory{folder};
    directory += "/Skins/";
    directory += skin_name;
    return directory;
}

bool HideAtStartCounter::ShouldHideOnNonClientPaint() {
    if (remaining_ == 0) {
        return false;
    }
    --remaining_;
    return true;
}

}  // namespace corvanti
