// Opens every dialog of the button assignment and the skin dialog in both shipped skins and
// all three languages, checks that each shows its controls and a readable list without
// complaint, that every list entry shows in full in the value box and that a list that does
// not scroll shows every entry inside the dialog, where a click reaches it; and saves what it
// shows (and its open list) under the build tree for review:
// screenshots/dialogs/<skin>-<language>-<dialog>[-list].png. Checks too that every label these
// dialogs draw fits its area in the dialog font.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "assign/capture_dialog_layouts.h"
#include "assign/capture_texts.h"
#include "assign/win/combo_dialog.h"
#include "assign/win/fire_key_dialog.h"
#include "assign/win/media_dialog.h"
#include "assign/win/single_dialog.h"
#include "assign/win/windows_dialog.h"
#include "common/text_encoding.h"
#include "common/win/handle_owners.h"
#include "dialog_script.h"
#include "skin/dialog_texts.h"
#include "skin/font_fitting.h"
#include "skin/frame_layout.h"
#include "skin/skins_dialog_layout.h"
#include "skin/win/dialog_font.h"
#include "skin/win/skin_image.h"
#include "skin/win/skins_dialog.h"
#include "support/recording_messages.h"
#include "window_png.h"

namespace corvanti {
namespace {

using Frame = skin::SkinnedDialogFrame;
using testing::DialogScript;
using testing::RecordingMessages;

constexpr COLORREF kDarkRow = RGB(0x28, 0x28, 0x28);

struct DropdownUnderReview {
    ClientRect trigger;
    int value_box_id;
    ClientRect value_box;
    bool scrolls;  // by the mouse wheel: its entries need not all show at once
};

struct DialogUnderReview {
    std::string name;
    std::function<std::unique_ptr<Frame>(const SkinContext&, const std::string& skin,
                                         RecordingMessages&)>
        make;
    std::vector<int> controls;
    std::optional<DropdownUnderReview> dropdown;
};

template <typename Dialog>
std::unique_ptr<Frame> Make(const SkinContext& context, const std::string&,
                            RecordingMessages& messages) {
    return std::make_unique<Dialog>(context, &messages);
}

std::unique_ptr<Frame> MakeSkinsDialog(const SkinContext& context, const std::string& skin,
                                       RecordingMessages& messages) {
    return std::make_unique<skin::CSkinsDialog>(context, skin, CORVANTI_SKINS_DIR,
                                                skin::ColourChooser{}, &messages);
}

std::vector<DialogUnderReview> DialogsUnderReview() {
    namespace combo = combo_key_layout;
    namespace fire = fire_key_layout;
    const ListChoiceLayout& media = kMultimediaLayout;
    const ListChoiceLayout& windows = kWindowsFunctionLayout;
    return {
        {"single-key", &Make<assign::CSingleDialog>, {single_key_layout::kKeyBoxId}, {}},
        {"combo-key",
         &Make<assign::CComboDialog>,
         {combo::kModifierBoxId, combo::kFirstKeyBoxId, combo::kSecondKeyBoxId},
         DropdownUnderReview{combo::kTrigger, combo::kModifierBoxId, combo::kModifierBox, false}},
        {"fire-key",
         &Make<assign::CFireKeyDialog>,
         {fire::kKeyBoxId, fire::kSpeedBoxId, fire::kCountBoxId},
         DropdownUnderReview{fire::kTrigger, fire::kKeyBoxId, fire::kKeyBox, true}},
        {"media-key",
         &Make<assign::CMediaDialog>,
         {media.value_box_id},
         DropdownUnderReview{media.trigger, media.value_box_id, media.value_box, false}},
        {"windows-key",
         &Make<assign::CWindowsDialog>,
         {windows.value_box_id},
         DropdownUnderReview{windows.trigger, windows.value_box_id, windows.value_box, false}},
        {"skins",
         &MakeSkinsDialog,
         {skins_layout::kSkinNameBoxId, skins_layout::kSwatchId},
         DropdownUnderReview{skins_layout::kTrigger, skins_layout::kSkinNameBoxId,
                             skins_layout::kSkinNameBox, true}},
    };
}

// The width of a text in the font the dialog has its value box drawn with: the one it selects
// when asked for the box's colours.
int WidthInValueBox(HWND dialog, HWND value_box, const std::string& text) {
    win::WindowDc dc(value_box);
    const int saved = SaveDC(dc.get());
    SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(value_box));
    const std::wstring wide = Utf8ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    RestoreDC(dc.get(), saved);
    return size.cx;
}

std::vector<std::string> EntriesCutOff(HWND dialog, const DropdownUnderReview& dropdown,
                                       HWND list) {
    const HWND value_box = GetDlgItem(dialog, dropdown.value_box_id);
    std::vector<std::string> cut_off;
    for (const std::string& entry : testing::ListTexts(list)) {
        if (WidthInValueBox(dialog, value_box, entry) > ValueBoxTextWidth(dropdown.value_box)) {
            cut_off.push_back(entry);
        }
    }
    return cut_off;
}

// Whether the list's last entry lies inside the dialog's client area.
bool LastEntryInsideDialog(HWND dialog, HWND list) {
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(count - 1),
                 reinterpret_cast<LPARAM>(&item));
    MapWindowPoints(list, dialog, reinterpret_cast<POINT*>(&item), 2);
    RECT client{};
    GetClientRect(dialog, &client);
    return item.bottom <= client.bottom;
}

TEST(DialogScreenshotsTest, EveryDialogShowsItsControlsInEverySkinAndLanguage) {
    skin::GdiplusSession gdiplus;
    const std::filesystem::path folder = std::filesystem::path(CORVANTI_SCREENSHOT_DIR) / "dialogs";
    std::filesystem::create_directories(folder);
    for (const std::string skin : {"Default", "Frost"}) {
        for (const std::string language : {"CHS", "CHT", "EN"}) {
            const SkinContext context{std::string(CORVANTI_SKINS_DIR) + "/" + skin,
                                      Rgb{255, 255, 255}, language};
            for (const DialogUnderReview& dialog : DialogsUnderReview()) {
                const std::string name = skin + "-" + language + "-" + dialog.name;
                std::vector<int> missing_controls;
                bool list_opened = !dialog.dropdown.has_value();
                COLORREF list_row_background = kDarkRow;
                std::vector<std::string> cut_off;
                bool every_entry_reached = true;
                DialogScript script({
                    [&](Frame& f) {
                        for (int id : dialog.controls) {
                            if (GetDlgItem(f.hwnd(), id) == nullptr) {
                                missing_controls.push_back(id);
                            }
                        }
                        testing::SaveClientAreaPng(f.hwnd(), folder / (name + ".png"));
                        if (dialog.dropdown) {
                            const ClientRect t = dialog.dropdown->trigger;
                            testing::Click(f.hwnd(), {t.right - 5, (t.top + t.bottom) / 2});
                        }
                    },
                    [&](Frame& f) {
                        if (dialog.dropdown) {
                            list_opened = f.list_window() != nullptr;
                            cut_off = EntriesCutOff(f.hwnd(), *dialog.dropdown, f.list_window());
                            every_entry_reached = dialog.dropdown->scrolls ||
                                                  LastEntryInsideDialog(f.hwnd(), f.list_window());
                            RECT list_area{};
                            GetClientRect(f.list_window(), &list_area);
                            list_row_background =
                                testing::PixelAt(f.list_window(), {list_area.right - 3, 3});
                            testing::SaveClientAreaPng(f.hwnd(), folder / (name + "-list.png"));
                        }
                        testing::Click(f.hwnd(), {360, 10});
                    },
                });
                RecordingMessages messages;
                const std::unique_ptr<Frame> frame = dialog.make(context, skin, messages);
                EXPECT_EQ(script.Run(*frame), kDialogCancel) << name;
                EXPECT_TRUE(messages.shown.empty()) << name;
                EXPECT_TRUE(missing_controls.empty()) << name;
                EXPECT_TRUE(list_opened) << name;
                // The entries are white: on the system's white rows they could not be read.
                EXPECT_EQ(list_row_background, kDarkRow) << name;
                EXPECT_TRUE(cut_off.empty()) << name << ": " << ::testing::PrintToString(cut_off);
                EXPECT_TRUE(every_entry_reached) << name;
                EXPECT_TRUE(std::filesystem::exists(folder / (name + ".png"))) << name;
            }
        }
    }
}

// The labels the frame and the dialogs draw themselves in the dialog font, each in its area.
struct DrawnLabel {
    const char* what;
    TextInLanguages text;
    ClientRect area;
    bool wrapped;
};

constexpr DrawnLabel kDrawnLabels[] = {
    {"OK", kOkText, kFrameOkArea, false},
    {"Cancel", kCancelText, kFrameCancelArea, false},
    {"single-key prompt", kSingleKeyPrompt, single_key_layout::kPrompt, false},
    {"fire-key speed label", kFireKeySpeedLabel, fire_key_layout::kSpeedLabel, false},
    {"fire-key count label", kFireKeyCountLabel, fire_key_layout::kCountLabel, false},
    {"fire-key speed explanation", kFireKeySpeedExplanation, fire_key_layout::kSpeedExplanation,
     true},
    {"fire-key count explanation", kFireKeyCountExplanation, fire_key_layout::kCountExplanation,
     true},
    {"colour prompt", skins_layout::kColourPromptText, skins_layout::kColourPrompt, true},
};

// The size a label takes when drawn as the dialogs draw it, wrapped at its area's width.
SIZE DrawnSize(HDC dc, const DrawnLabel& label, Language language) {
    const std::wstring wide = Utf8ToWide(label.text.In(language));
    RECT drawn{0, 0, label.area.Width(), label.area.Height()};
    const UINT layout = label.wrapped ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &drawn, DT_CALCRECT | layout);
    return {drawn.right - drawn.left, drawn.bottom - drawn.top};
}

TEST(DialogScreenshotsTest, EveryLabelTheDialogsDrawFitsItsAreaInEveryLanguage) {
    for (const Language language :
         {Language::SimplifiedChinese, Language::TraditionalChinese, Language::English}) {
        const DialogFontChoice choice =
            DialogFontFor(language, static_cast<std::uint32_t>(GetVersion()));
        const win::UniqueFont font = skin::CreateDialogFaceFont(choice.face, {choice.height});
        win::WindowDc screen(nullptr);
        win::ScopedSelection select_font(screen.get(), font.get());
        for (const DrawnLabel& label : kDrawnLabels) {
            const SIZE size = DrawnSize(screen.get(), label, language);
            EXPECT_LE(size.cx, label.area.Width()) << label.what << " " << label.text.english;
            EXPECT_LE(size.cy, label.area.Height()) << label.what << " " << label.text.english;
        }
    }
}

}  // namespace
}  // namespace corvanti
