#include "assign/choice_lists.h"

#include <array>
#include <span>

#include "profile/key_name_table.h"
#include "profile/parameter_lists.h"

namespace corvanti {

namespace {

constexpr std::array<TextInLanguages, kMultimediaCount> kMultimediaTexts = {{
    {"下一首", "下一首", "Next"},
    {"上一首", "上一首", "Previous"},
    {"停止", "停止", "Stop"},
    {"播放/暂停", "播放/暫停", "Play/Pause"},
    {"静音", "靜音", "Mute"},
    {"音量+", "音量+", "Vol+"},
    {"音量-", "音量-", "Vol-"},
}};

constexpr std::array<TextInLanguages, kWindowsFunctionCount> kWindowsFunctionTexts = {{
    {"打开多媒体播放器", "打開多媒體播放器", "Multimedia Player"},
    {"邮件", "郵件", "Mail"},
    {"计算器", "計算器", "Calculator"},
    {"我的电脑", "我的電腦", "My Computer"},
    {"浏览器-搜索", "瀏覽器-搜索", "Browser-Search"},
    {"浏览器-主页", "瀏覽器-主頁", "Browser-Home"},
    {"浏览器-后退", "瀏覽器-後退", "Browser-Back"},
    {"浏览器-前进", "瀏覽器-前進", "Browser-Forward"},
    {"浏览器-停止", "瀏覽器-停止", "Browser-Stop"},
    {"浏览器-刷新", "瀏覽器-刷新", "Browser-Refresh"},
    {"浏览器-收藏夹", "瀏覽器-我的最愛", "Browser-My Favorites"},
}};

std::vector<std::string> InLanguage(std::span<const TextInLanguages> texts, Language language) {
    std::vector<std::string> entries;
    entries.reserve(texts.size());
    for (const TextInLanguages& text : texts) {
        entries.emplace_back(text.In(language));
    }
    return entries;
}

template <typename Row>
std::vector<std::string> NamesOf(std::span<const Row> rows) {
    std::vector<std::string> entries;
    entries.reserve(rows.size());
    for (const Row& row : rows) {
        entries.emplace_back(row.name);
    }
    return entries;
}

}  // namespace

std::vector<std::string> MultimediaEntries(Language language) {
    return InLanguage(kMultimediaTexts, language);
}

std::vector<std::string> WindowsFunctionEntries(Language language) {
    return InLanguage(kWindowsFunctionTexts, language);
}

std::vector<std::string> FireKeyEntries() {
    return NamesOf<FireKeyRow>(FireKeyList());
}

std::vector<std::string> ModifierEntries() {
    return NamesOf<ModifierRow>(ModifierTable());
}

}  // namespace corvanti
