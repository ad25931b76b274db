#include "app/startup_choices.h"

namespace corvanti {
namespace {

constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;
constexpr int kChineseNormalHeight = 13;
constexpr int kEnglishNormalHeight = 14;
constexpr int kTitleHeight = 18;

MainWindowFonts ChineseFonts(std::string_view face) {
    return {{std::string(face), kChineseNormalHeight, kNormalWeight},
            {std::string(face), kTitleHeight, kBoldWeight}};
}

}  // namespace

MainWindowFonts FontsFor(Language language, std::uint32_t packed_windows_version) {
    if (language != Language::English) {
        return ChineseFonts(ChineseFaceFor(language, packed_windows_version));
    }
    return {{std::string(kEnglishFace), kEnglishNormalHeight, kNormalWeight},
            {"Tahoma", kTitleHeight, kBoldWeight}};
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
