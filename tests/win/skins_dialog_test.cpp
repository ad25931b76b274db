// Runs the skin dialog the way the main window's skins control does, over a program folder
// with its own skins: the list read from disk, the swatch and the colour chooser, and what
// OK, Cancel and a missing background hand back.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "common/text_encoding.h"
#include "dialog_script.h"
#include "skin/frame_layout.h"
#include "skin/skins_dialog_layout.h"
#include "skin/win/skin_image.h"
#include "skin/win/skin_selection.h"
#include "support/recording_messages.h"
#include "support/scratch_folder.h"

namespace corvanti::skin {
namespace {

namespace layout = skins_layout;
using testing::ChooseListEntry;
using testing::Click;
using testing::ControlText;
using testing::DialogScript;
using testing::ListTexts;
using Frame = SkinnedDialogFrame;

constexpr ClientPoint kOk{200, 260};
constexpr ClientPoint kCancel{300, 260};
constexpr ClientPoint kTrigger{145, 135};
constexpr ClientPoint kSwatch{90, 100};
constexpr Rgb kCurrentColour{250, 240, 230};
constexpr Rgb kChosenColour{10, 20, 30};

std::string Utf8Of(const std::filesystem::path& path) {
    return WideToUtf8(path.wstring());
}

// A program folder beside which lie the skins Default and Dark and a loose file.
class SkinsDialogTest : public ::testing::Test {
  protected:
    SkinsDialogTest() {
        const std::filesystem::path skins = program_ / "Skins";
        std::filesystem::create_directories(skins);
        std::filesystem::copy(std::filesystem::path(CORVANTI_SKINS_DIR) / "Default",
                              skins / "Default");
        std::filesystem::copy(std::filesystem::path(CORVANTI_SKINS_DIR) / "Frost", skins / "Dark");
        std::ofstream(skins / "readme.txt") << "not a skin";
    }

    std::string executable() const { return Utf8Of(program_ / "Corvanti-Tarn.exe"); }
    // The skins folder as the program forms it: its folder, "/Skins" ...
    std::string skins_root() const { return Utf8Of(program_.path()) + "\\/Skins"; }
    SkinContext ContextOf(const std::string& skin_name) const {
        return {skins_root() + "/" + skin_name, kCurrentColour, "EN"};
    }
    static std::optional<Rgb> ChooseDarkBlue(HWND) { return kChosenColour; }

    GdiplusSession gdiplus_;
    testing::ScratchFolder program_;
    testing::RecordingMessages messages_;
};

TEST_F(SkinsDialogTest, ChoosesASkinFolderFromDiskAndAColourFromTheSwatch) {
    std::string name_shown, name_after_choice;
    std::vector<std::string> entries;
    COLORREF swatch_before = 0, swatch_after = 0;
    DialogScript script({
        [&](Frame& f) {
            name_shown = ControlText(f.hwnd(), layout::kSkinNameBoxId);
            swatch_before = testing::PixelAt(GetDlgItem(f.hwnd(), layout::kSwatchId), {5, 5});
            Click(f.hwnd(), kTrigger);
        },
        [&](Frame& f) {
            entries = ListTexts(f.list_window());
            const auto dark = std::ranges::find(entries, "Dark");
            ChooseListEntry(f.hwnd(), layout::kSkinListId,
                            static_cast<int>(dark - entries.begin()));
        },
        [&](Frame& f) {
            name_after_choice = ControlText(f.hwnd(), layout::kSkinNameBoxId);
            Click(f.hwnd(), kSwatch);
        },
        [&](Frame& f) {
            swatch_after = testing::PixelAt(GetDlgItem(f.hwnd(), layout::kSwatchId), {5, 5});
            Click(f.hwnd(), kOk);
        },
    });
    const std::optional<SkinSelection> adopted =
        RunSkinSelection(script.Runner(), ContextOf("Default"), "Default", executable(),
                         &SkinsDialogTest::ChooseDarkBlue, &messages_);

    EXPECT_EQ(name_shown, "Default");
    std::ranges::sort(entries);
    EXPECT_EQ(entries, (std::vector<std::string>{"Dark", "Default"}));
    EXPECT_EQ(name_after_choice, "Dark");
    EXPECT_EQ(swatch_before, RGB(250, 240, 230));
    EXPECT_EQ(swatch_after, RGB(10, 20, 30));
    EXPECT_EQ(adopted, (SkinSelection{skins_root() + "\\Dark", "Dark", kChosenColour}));
    EXPECT_TRUE(messages_.shown.empty());
}

// The system's chooser runs behind the swatch; cancelling it, then the dialog, changes nothing.
TEST_F(SkinsDialogTest, CancelAfterTheSystemChooserAdoptsNothing) {
    bool chooser_found = false;
    DialogScript script({
        [&](Frame& f) { Click(f.hwnd(), kSwatch); },
        [&](Frame& f) {
            // This tick comes from inside the chooser's own modal loop.
            const HWND chooser = GetLastActivePopup(f.hwnd());
            chooser_found = chooser != nullptr && chooser != f.hwnd();
            if (chooser_found) {
                PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
            }
        },
        [&](Frame& f) { Click(f.hwnd(), kCancel); },
    });
    EXPECT_EQ(RunSkinSelection(script.Runner(), ContextOf("Default"), "Default", executable(),
                               ChooseColourWithSystemChooser, &messages_),
              std::nullopt);
    EXPECT_TRUE(chooser_found);
}

// Enter ends even the invisible dialog that could not load its background with OK; its empty
// skin name must not be adopted.
TEST_F(SkinsDialogTest, ADialogWithoutItsBackgroundReportsAndAdoptsNothing) {
    std::filesystem::remove(program_ / "Skins" / "Default" / "skins.png");
    DialogScript script({[&](Frame& f) { PostMessageW(f.hwnd(), WM_KEYDOWN, VK_RETURN, 0); }});
    int end_code = 0;
    const DialogRunner run = [&](Frame& dialog) {
        return end_code = static_cast<int>(script.Run(dialog));
    };
    EXPECT_EQ(RunSkinSelection(run, ContextOf("Default"), "Default", executable(),
                               &SkinsDialogTest::ChooseDarkBlue, &messages_),
              std::nullopt);
    EXPECT_EQ(end_code, kDialogOk);
    EXPECT_EQ(messages_.shown, (std::vector<testing::ShownMessage>{
                                   {"error", "Skins Dialog Load background image failed!!!"}}));
}

}  // namespace
}  // namespace corvanti::skin
