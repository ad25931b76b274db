// Opens every dialog of the button assignment and the skin dialog in both shipped skins and
// all three languages, checks that each shows its controls and a readable list without
// complaint, and saves what it shows (and its open list) under the build tree for review:
// screenshots/dialogs/<skin>-<language>-<dialog>[-list].png.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "assign/capture_dialog_layouts.h"
#include "assign/win/combo_dialog.h"
#include "assign/win/fire_key_dialog.h"
#include "assign/win/media_dialog.h"
#include "assign/win/single_dialog.h"
#include "assign/win/windows_dialog.h"
#include "dialog_script.h"
#include "skin/frame_layout.h"
#include "skin/skins_dialog_layout.h"
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

struct DialogUnderReview {
    std::string name;
    std::function<std::unique_ptr<Frame>(const SkinContext&, const std::string& skin,
                                         RecordingMessages&)>
        make;
    std::vector<int> controls;
    std::optional<ClientRect> trigger;  // the drop-down list's, when it has one
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
    return {
        {"single-key", &Make<assign::CSingleDialog>, {single_key_layout::kKeyBoxId}, {}},
        {"combo-key",
         &Make<assign::CComboDialog>,
         {combo_key_layout::kModifierBoxId, combo_key_layout::kFirstKeyBoxId,
          combo_key_layout::kSecondKeyBoxId},
         combo_key_layout::kTrigger},
        {"fire-key",
         &Make<assign::CFireKeyDialog>,
         {fire_key_layout::kKeyBoxId, fire_key_layout::kSpeedBoxId, fire_key_layout::kCountBoxId},
         fire_key_layout::kTrigger},
        {"media-key",
         &Make<assign::CMediaDialog>,
         {kMultimediaLayout.value_box_id},
         kMultimediaLayout.trigger},
        {"windows-key",
         &Make<assign::CWindowsDialog>,
         {kWindowsFunctionLayout.value_box_id},
         kWindowsFunctionLayout.trigger},
        {"skins",
         &MakeSkinsDialog,
         {skins_layout::kSkinNameBoxId, skins_layout::kSwatchId},
         skins_layout::kTrigger},
    };
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
                bool list_opened = !dialog.trigger.has_value();
                COLORREF list_row_background = kDarkRow;
                DialogScript script({
                    [&](Frame& f) {
                        for (int id : dialog.controls) {
                            if (GetDlgItem(f.hwnd(), id) == nullptr) {
                                missing_controls.push_back(id);
                            }
                        }
                        testing::SaveClientAreaPng(f.hwnd(), folder / (name + ".png"));
                        if (dialog.trigger) {
                            const ClientRect t = *dialog.trigger;
                            testing::Click(f.hwnd(), {t.right - 5, (t.top + t.bottom) / 2});
                        }
                    },
                    [&](Frame& f) {
                        if (dialog.trigger) {
                            list_opened = f.list_window() != nullptr;
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
                EXPECT_TRUE(std::filesystem::exists(folder / (name + ".png"))) << name;
            }
        }
    }
}

}  // namespace
}  // namespace corvanti
