// Runs the capture dialogs through the adapter the button assignment uses, on the committed
// skins under the real dialog manager: their controls and lists, real key events through the
// thread keyboard hooks, the fire key's number checks, and that only OK hands back a result.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "assign/capture_dialog_layouts.h"
#include "assign/win/windows_capture_dialogs.h"
#include "dialog_script.h"
#include "skin/frame_layout.h"
#include "skin/win/skin_image.h"

namespace corvanti::assign {
namespace {

using testing::ChooseListEntry;
using testing::Click;
using testing::ClickInto;
using testing::ControlText;
using testing::DialogScript;
using testing::ListTexts;
using testing::PhysicalKey;
using testing::TypeKey;
using Frame = skin::SkinnedDialogFrame;

constexpr ClientPoint kOk{200, 260};
constexpr ClientPoint kCancel{300, 260};
constexpr ClientPoint kClose{360, 10};
constexpr ClientPoint kBeside{10, 200};

constexpr PhysicalKey kKeyA{'A', 0x1E, false};
constexpr PhysicalKey kKeyB{'B', 0x30, false};
constexpr PhysicalKey kKeyC{'C', 0x2E, false};
constexpr PhysicalKey kEscape{VK_ESCAPE, 0x01, false};
constexpr PhysicalKey kEnter{VK_RETURN, 0x1C, false};

SkinContext ContextIn(std::string language_code) {
    return {std::string(CORVANTI_SKINS_DIR) + "/Default", Rgb{255, 255, 255},
            std::move(language_code)};
}

ClientPoint MiddleOf(ClientRect r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

class CaptureDialogsTest : public ::testing::Test {
  protected:
    skin::GdiplusSession gdiplus_;
    SkinContext context_ = ContextIn("EN");
};

TEST_F(CaptureDialogsTest, SingleKeyNamesRealKeysByScanCodeAndKeepsEnterEscapeAndWindowsAsKeys) {
    struct Key {
        PhysicalKey key;
        std::string name;
    };
    const Key keys[] = {
        {kEscape, "Esc"},
        {{VK_CONTROL, 0x1D, true}, "Right Ctrl"},
        {{VK_NUMPAD7, 0x47, false}, "Num 7"},
        {{VK_PRIOR, 0x49, true}, "Page Up"},
        {{VK_LWIN, 0x5B, true}, "Left Windows"},
        {kEnter, "Enter"},
    };
    std::vector<std::string> shown;
    std::vector<DialogScript::Step> steps{[&](Frame& f) {
        SetForegroundWindow(f.hwnd());
        TypeKey(keys[0].key);
    }};
    for (std::size_t i = 1; i <= std::size(keys); ++i) {
        steps.push_back([&, i](Frame& f) {
            shown.push_back(ControlText(f.hwnd(), single_key_layout::kKeyBoxId));
            if (i < std::size(keys)) {
                TypeKey(keys[i].key);
            } else {
                Click(f.hwnd(), kOk);
            }
        });
    }
    DialogScript script(steps);
    WindowsCaptureDialogs dialogs(context_, script.Runner());
    const std::optional<SingleKeyChoice> choice = dialogs.ChooseSingleKey();

    std::vector<std::string> names;
    for (const Key& key : keys) {
        names.push_back(key.name);
    }
    EXPECT_EQ(shown, names) << "neither Escape, Enter nor a Windows key may end the dialog";
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->key_name, "Enter");

    DialogScript cancelled({[&](Frame& f) {
                                SetForegroundWindow(f.hwnd());
                                TypeKey(kKeyA);
                            },
                            [&](Frame& f) { Click(f.hwnd(), kCancel); }});
    WindowsCaptureDialogs cancelled_dialogs(context_, cancelled.Runner());
    EXPECT_EQ(cancelled_dialogs.ChooseSingleKey(), std::nullopt);
}

TEST_F(CaptureDialogsTest, ComboCapturesOnlyIntoTheFocusedBoxAndNeverWhileTheListIsOpen) {
    namespace layout = combo_key_layout;
    bool disabled_while_open = false;
    std::string modifier_shown, first_shown, second_shown;
    DialogScript script({
        [&](Frame& f) {
            SetForegroundWindow(f.hwnd());
            Click(f.hwnd(), MiddleOf(layout::kTrigger));
        },
        [&](Frame& f) {
            disabled_while_open = !Enabled(f.hwnd(), layout::kFirstKeyBoxId) &&
                                  !Enabled(f.hwnd(), layout::kSecondKeyBoxId);
            TypeKey(kKeyC);  // nowhere to go
        },
        [&](Frame& f) {
            ChooseListEntry(f.hwnd(), layout::kModifierListId, 0);
            ClickInto(GetDlgItem(f.hwnd(), layout::kFirstKeyBoxId));
            TypeKey(kKeyA);
        },
        [&](Frame& f) {
            ClickInto(GetDlgItem(f.hwnd(), layout::kSecondKeyBoxId));
            TypeKey(kKeyB);
        },
        [&](Frame& f) {
            SetFocus(f.hwnd());
            TypeKey(kKeyC);  // neither box has the focus
        },
        [&](Frame& f) {
            ClickInto(GetDlgItem(f.hwnd(), layout::kFirstKeyBoxId));
            TypeKey(kEscape);
        },
        [&](Frame& f) {
            modifier_shown = ControlText(f.hwnd(), layout::kModifierBoxId);
            first_shown = ControlText(f.hwnd(), layout::kFirstKeyBoxId);
            second_shown = ControlText(f.hwnd(), layout::kSecondKeyBoxId);
            Click(f.hwnd(), kOk);
        },
    });
    WindowsCaptureDialogs dialogs(context_, script.Runner());
    const std::optional<ComboKeyChoice> choice = dialogs.ChooseComboKey();

    EXPECT_TRUE(disabled_while_open);
    EXPECT_EQ(modifier_shown, "Left Ctrl");
    EXPECT_EQ(first_shown, "Esc");
    EXPECT_EQ(second_shown, "B");
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->modifier_name, "Left Ctrl");
    EXPECT_EQ(choice->first_key_name, "Esc");
    EXPECT_EQ(choice->second_key_name, "B");
}

TEST_F(CaptureDialogsTest, FireKeyChecksSpeedOnFocusLossAndCountOnEveryChange) {
    namespace layout = fire_key_layout;
    std::vector<std::string> initial;
    bool disabled_while_open = false;
    LRESULT top_after_wheel = -1;
    std::string key_shown, speed_after_four, count_after_300;
    const auto set_text = [](Frame& f, int id, const wchar_t* text) {
        SetDlgItemTextW(f.hwnd(), id, text);
    };
    DialogScript script({
        [&](Frame& f) {
            for (int id : {layout::kKeyBoxId, layout::kSpeedBoxId, layout::kCountBoxId}) {
                initial.push_back(ControlText(f.hwnd(), id));
            }
            Click(f.hwnd(), MiddleOf(layout::kTrigger));
        },
        [&](Frame& f) {
            disabled_while_open =
                !Enabled(f.hwnd(), layout::kSpeedBoxId) && !Enabled(f.hwnd(), layout::kCountBoxId);
            PostMessageW(f.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                         0);
        },
        [&](Frame& f) {
            top_after_wheel = SendMessageW(f.list_window(), LB_GETTOPINDEX, 0, 0);
            ChooseListEntry(f.hwnd(), layout::kKeyListId, 54);
        },
        [&](Frame& f) {
            key_shown = ControlText(f.hwnd(), layout::kKeyBoxId);
            ClickInto(GetDlgItem(f.hwnd(), layout::kSpeedBoxId));
            set_text(f, layout::kSpeedBoxId, L"4");
            ClickInto(GetDlgItem(f.hwnd(), layout::kCountBoxId));  // the speed box loses focus
            speed_after_four = ControlText(f.hwnd(), layout::kSpeedBoxId);
            set_text(f, layout::kCountBoxId, L"300");
            count_after_300 = ControlText(f.hwnd(), layout::kCountBoxId);
            set_text(f, layout::kCountBoxId, L"7");
            ClickInto(GetDlgItem(f.hwnd(), layout::kSpeedBoxId));
            set_text(f, layout::kSpeedBoxId, L"200");
            ClickInto(GetDlgItem(f.hwnd(), layout::kCountBoxId));
        },
        [&](Frame& f) {
            // Typed but not yet checked when Enter ends the dialog.
            ClickInto(GetDlgItem(f.hwnd(), layout::kSpeedBoxId));
            set_text(f, layout::kSpeedBoxId, L"999");
            SetForegroundWindow(f.hwnd());
            TypeKey(kEnter);
        },
    });
    WindowsCaptureDialogs dialogs(context_, script.Runner());
    const std::optional<FireKeyChoice> choice = dialogs.ChooseFireKey();

    EXPECT_EQ(initial, (std::vector<std::string>{"A", "32", "1"}));
    EXPECT_TRUE(disabled_while_open);
    EXPECT_EQ(top_after_wheel, 3);
    EXPECT_EQ(key_shown, "L-Button");
    EXPECT_EQ(speed_after_four, "5");
    EXPECT_EQ(count_after_300, "1");
    ASSERT_TRUE(choice.has_value()) << "Enter ends the fire-key dialog with OK";
    EXPECT_EQ(choice->key_index, 54);
    EXPECT_EQ(choice->key_text, "L-Button");
    EXPECT_EQ(choice->speed, 5);
    EXPECT_EQ(choice->count, 7);
}

// The multimedia and Windows-function dialogs: the list in the dialog's language, no wheel
// scrolling, a choice or a click beside the list, then OK.
TEST_F(CaptureDialogsTest, ListDialogsOfferTheirEntriesInTheLanguageAndReturnTheChoice) {
    using Chosen = std::optional<std::pair<int, std::string>>;
    const auto media = [](WindowsCaptureDialogs& d) -> Chosen {
        const auto c = d.ChooseMultimedia();
        return c ? Chosen({c->index, c->text}) : std::nullopt;
    };
    const auto functions = [](WindowsCaptureDialogs& d) -> Chosen {
        const auto c = d.ChooseWindowsFunction();
        return c ? Chosen({c->index, c->text}) : std::nullopt;
    };
    struct Case {
        std::function<Chosen(WindowsCaptureDialogs&)> run;
        ListChoiceLayout layout;
        std::string language;
        int choose;  // -1: click beside the list instead
        std::string first_entry;
        std::size_t entry_count;
        std::pair<int, std::string> result;
    };
    const Case cases[] = {
        {media, kMultimediaLayout, "EN", 4, "Next", 7, {4, "Mute"}},
        {media, kMultimediaLayout, "CHT", -1, "下一首", 7, {0, "下一首"}},
        {functions, kWindowsFunctionLayout, "CHS", 6, "打开多媒体播放器", 11, {6, "浏览器-后退"}},
        {functions,
         kWindowsFunctionLayout,
         "EN",
         -1,
         "Multimedia Player",
         11,
         {0, "Multimedia Player"}},
    };
    for (const Case& c : cases) {
        std::string shown_first;
        std::vector<std::string> entries;
        LRESULT top_after_wheel = -1;
        bool closed = false;
        DialogScript script({
            [&](Frame& f) {
                shown_first = ControlText(f.hwnd(), c.layout.value_box_id);
                Click(f.hwnd(), MiddleOf(c.layout.trigger));
            },
            [&](Frame& f) {
                entries = ListTexts(f.list_window());
                PostMessageW(f.hwnd(), WM_MOUSEWHEEL,
                             MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
            },
            [&](Frame& f) {
                top_after_wheel = SendMessageW(f.list_window(), LB_GETTOPINDEX, 0, 0);
                if (c.choose >= 0) {
                    ChooseListEntry(f.hwnd(), c.layout.list_id, c.choose);
                } else {
                    Click(f.hwnd(), kBeside);
                }
            },
            [&](Frame& f) {
                closed = f.list_window() == nullptr;
                Click(f.hwnd(), kOk);
            },
        });
        SkinContext context = ContextIn(c.language);
        WindowsCaptureDialogs dialogs(context, script.Runner());
        const Chosen chosen = c.run(dialogs);
        EXPECT_EQ(shown_first, c.first_entry);
        ASSERT_EQ(entries.size(), c.entry_count) << c.first_entry;
        EXPECT_EQ(entries.front(), c.first_entry);
        EXPECT_EQ(top_after_wheel, 0) << "the wheel does not scroll these lists";
        EXPECT_TRUE(closed);
        EXPECT_EQ(chosen, c.result);
    }
}

TEST_F(CaptureDialogsTest, CancelAndTheCloseCrossHandBackNothing) {
    for (ClientPoint end : {kCancel, kClose}) {
        DialogScript script({[&](Frame& f) { Click(f.hwnd(), end); }});
        WindowsCaptureDialogs dialogs(context_, script.Runner());
        EXPECT_EQ(dialogs.ChooseWindowsFunction(), std::nullopt);
        EXPECT_EQ(dialogs.ChooseMultimedia(), std::nullopt);
        EXPECT_EQ(dialogs.ChooseFireKey(), std::nullopt);
        EXPECT_EQ(dialogs.ChooseSingleKey(), std::nullopt);
        EXPECT_EQ(dialogs.ChooseComboKey(), std::nullopt);
    }
    // Without the macros' chooser no macro is ever chosen, and nothing is run.
    int runs = 0;
    WindowsCaptureDialogs without_macros(context_, [&](Frame&) {
        ++runs;
        return INT_PTR{kDialogOk};
    });
    EXPECT_EQ(without_macros.ChooseMacroKey(), std::nullopt);
    EXPECT_EQ(runs, 0);
}

}  // namespace
}  // namespace corvanti::assign
