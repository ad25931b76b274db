// The lighting statics of the basic page on a plain host window: every text each of them can
// show, in every language, shows in full in the font the static then draws with, and the
// smaller fonts made for the long texts go with their texts and with the page.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/language_texts.h"
#include "app/lighting_language.h"
#include "app/startup_choices.h"
#include "app/win/basic_page_controls.h"
#include "common/text_encoding.h"
#include "settings/lighting_panel.h"
#include "skin/win/dialog_font.h"

namespace corvanti::win {
namespace {

constexpr int kModeStatic = 80;
constexpr int kParameterStatic = 81;
constexpr int kEffectStatic = 82;
struct NamedLanguage {
    Language language;
    const char* name;
};
constexpr NamedLanguage kLanguages[] = {{Language::SimplifiedChinese, "Simplified Chinese"},
                                        {Language::TraditionalChinese, "Traditional Chinese"},
                                        {Language::English, "English"}};

class HostWindow {
  public:
    HostWindow() {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = DefWindowProcW;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"CorvantiLightingStaticsHost";
        RegisterClassW(&window_class);
        hwnd = CreateWindowExW(0, window_class.lpszClassName, L"host", WS_POPUP, 0, 0, 900, 660,
                               nullptr, nullptr, window_class.hInstance, nullptr);
    }
    ~HostWindow() { DestroyWindow(hwnd); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND hwnd = nullptr;
};

// The basic page's controls of one language, with the window's settings font.
struct LanguagePage {
    explicit LanguagePage(Language language)
        : texts(LightingTextsOf(LanguageTexts(language))),
          font_spec(FontsFor(language, static_cast<std::uint32_t>(GetVersion())).normal),
          settings_font(skin::CreateDialogFaceFont(font_spec.face, {font_spec.height})) {
        controls.Attach(host.hwnd, settings_font.get(), font_spec);
    }

    void Create(int control_id, const std::string& text) {
        LightingOutcome outcome;
        outcome.create_statics = {{control_id, text}};
        controls.Carry(outcome);
    }
    void Show(int control_id, const std::string& text) {
        LightingOutcome outcome;
        outcome.set_texts = {{control_id, text}};
        controls.Carry(outcome);
    }
    HFONT FontOf(int control_id) const {
        return reinterpret_cast<HFONT>(SendMessageW(controls.Find(control_id), WM_GETFONT, 0, 0));
    }

    HostWindow host;
    LightingTexts texts;
    FontSpec font_spec;
    UniqueFont settings_font;
    BasicPageControls controls;
};

std::vector<std::string> ParameterTexts() {
    std::vector<std::string> texts;
    for (std::uint8_t mode = kLightingStandard; mode <= kLightingNeon; ++mode) {
        const std::vector<std::string> entries = LightingParameterEntries(mode);
        texts.insert(texts.end(), entries.begin(), entries.end());
    }
    return texts;
}

// Every text a static can show: the mode names, the parameter choices of the three modes that
// have them, the effect names.
std::vector<std::pair<int, std::vector<std::string>>> StaticTexts(const LightingTexts& texts) {
    return {{kModeStatic, {texts.modes.begin(), texts.modes.end()}},
            {kParameterStatic, ParameterTexts()},
            {kEffectStatic, {texts.effects.begin(), texts.effects.end()}}};
}

// How far the static's text reaches past its width, in the font the static draws with.
int Overflow(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    WindowDc dc(control);
    ScopedSelection select_font(dc.get(),
                                reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    RECT client{};
    GetClientRect(control, &client);
    return static_cast<int>(extent.cx) - static_cast<int>(client.right);
}

TEST(LightingStaticsTest, EveryTextShowsInFullWhetherSetUpOrChosen) {
    for (const auto& [language, language_name] : kLanguages) {
        LanguagePage page(language);
        for (const auto& [control_id, texts] : StaticTexts(page.texts)) {
            for (const std::string& text : texts) {
                const std::string what =
                    std::to_string(control_id) + " \"" + text + "\" in " + language_name;
                page.Create(control_id, text);
                EXPECT_LE(Overflow(page.controls.Find(control_id)), 0) << "set up: " << what;
                // Chosen after the longest text of its static was shown.
                page.Create(control_id, texts.back());
                page.Show(control_id, text);
                EXPECT_LE(Overflow(page.controls.Find(control_id)), 0) << "chosen: " << what;
            }
        }
    }
}

TEST(LightingStaticsTest, AFittedFontGoesWithItsTextAndWithThePage) {
    LanguagePage page(Language::English);
    const std::string too_wide(30, 'W');
    const std::string fitting = "5%";

    page.Create(kEffectStatic, fitting);
    EXPECT_EQ(page.FontOf(kEffectStatic), page.settings_font.get());

    page.Show(kEffectStatic, too_wide);
    const HFONT first_fitted = page.FontOf(kEffectStatic);
    EXPECT_NE(first_fitted, page.settings_font.get());
    page.Show(kEffectStatic, too_wide + "W");
    EXPECT_EQ(GetObjectType(first_fitted), 0U) << "replaced by another fitted font";
    const HFONT second_fitted = page.FontOf(kEffectStatic);
    page.Show(kEffectStatic, fitting);
    EXPECT_EQ(page.FontOf(kEffectStatic), page.settings_font.get());
    EXPECT_EQ(GetObjectType(second_fitted), 0U) << "back to the settings font";

    page.Show(kEffectStatic, too_wide);
    const HFONT destroyed_with_static = page.FontOf(kEffectStatic);
    page.controls.Destroy(kEffectStatic);
    EXPECT_EQ(GetObjectType(destroyed_with_static), 0U) << "static destroyed";

    page.Create(kModeStatic, too_wide);
    const HFONT torn_down = page.FontOf(kModeStatic);
    page.controls.DestroyAll();
    EXPECT_EQ(GetObjectType(torn_down), 0U) << "page torn down";
    EXPECT_EQ(GetObjectType(page.settings_font.get()), static_cast<DWORD>(OBJ_FONT))
        << "the window's own font stays";
}

}  // namespace
}  // namespace corvanti::win
