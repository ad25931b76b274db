#include "common/language.h"

namespace corvanti {

Language LanguageFromCode(std::string_view code) {
    if (code == "CHS") {
        return Language::SimplifiedChinese;
    }
    if (code == "CHT") {
        return Language::TraditionalChinese;
    }
    return Language::English;
}

std::string_view TextInLanguages::In(Language language) const {
    switch (language) {
        case Language::SimplifiedChinese:
            return simplified_chinese;
        case Language::TraditionalChinese:
            return traditional_chinese;
        case Language::English:
            break;
    }
    return english;
}

std::string_view ChineseFaceFor(Language language, std::uint32_t reported_version) {
    const std::uint32_t major = reported_version & 0xFFu;
    const std::uint32_t minor = (reported_version >> 8) & 0xFFu;
    switch (language) {
        case Language::SimplifiedChinese:
            return major == 6 && minor == 2 ? kHeiFace : kSongFace;
        case Language::TraditionalChinese:
            return kHeiFace;
        case Language::English:
            break;
    }
    return {};
}

}  // namespace corvanti
