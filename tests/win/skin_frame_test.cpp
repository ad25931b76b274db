// Runs the skinned dialog frame over the committed skins under the real dialog manager: the
// window's size, how clicks and keys end it, the hover image, the drop-down list, and a
// screenshot of every dialog over every skin.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/text_encoding.h"
#include "skin/frame_layout.h"
#include "skin/win/skin_image.h"
#include "skin/win/skinned_dialog_frame.h"
#include "support/recording_messages.h"
#include "window_png.h"

namespace corvanti::skin {
namespace {

// Under Wine on a display without a window manager, hiding a window the X11 driver manages
// waits two seconds for a manager that never answers; every dialog run would pay it. This
// test binary's own Wine setting (read when the driver loads, before the first window) keeps
// its windows unmanaged. Nothing is written on Windows itself.
const bool unmanaged_under_wine = [] {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr) {
        return false;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER,
                        L"Software\\Wine\\AppDefaults\\win_tests.exe\\X11 Driver", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const wchar_t no[] = L"N";
    RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(no), sizeof no);
    RegCloseKey(key);
    return true;
}();

using Shown = testing::ShownMessage;
using testing::RecordingMessages;

SkinContext ContextFor(const std::string& skin_name) {
    return {std::string(CORVANTI_SKINS_DIR) + "/" + skin_name, Rgb{255, 255, 255}, "EN"};
}

LPARAM PointParam(ClientPoint p) {
    return MAKELPARAM(p.x, p.y);
}

// A frame that plays a script, one step per timer tick of the modal loop (ticks come after
// paints, so each step sees the window drawn). A thread timer keeps going even when the
// dialog's own set-up stopped early.
class ScriptedFrame : public SkinnedDialogFrame {
  public:
    using Step = std::function<void(ScriptedFrame&)>;

    ScriptedFrame(SkinDialogKind kind, const SkinContext& context, FrameOptions options,
                  std::vector<Step> steps)
        : SkinnedDialogFrame(kind, context, std::move(options), &messages),
          steps_(std::move(steps)) {}

    INT_PTR RunScript() {
        current_ = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 40, &ScriptedFrame::Tick);
        const std::vector<WORD> dialog_template = EmptyDialogTemplate();
        // An owned popup, as in the program, which the window system maps and unmaps at once.
        const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                           nullptr, nullptr, nullptr);
        const INT_PTR result =
            RunIndirect(owner, reinterpret_cast<const DLGTEMPLATE*>(dialog_template.data()));
        DestroyWindow(owner);
        KillTimer(nullptr, timer);

        current_ = nullptr;
        return result;
    }

    void Post(UINT message, WPARAM wparam, LPARAM lparam) {
        PostMessageW(hwnd(), message, wparam, lparam);
    }
    void Click(ClientPoint p) { Post(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(p)); }
    void Hover(ClientPoint p) { SendMessageW(hwnd(), WM_MOUSEHOVER, 0, PointParam(p)); }
    void MoveTo(ClientPoint p) { SendMessageW(hwnd(), WM_MOUSEMOVE, 0, PointParam(p)); }

    COLORREF PixelAt(ClientPoint p) {
        win::WindowDc dc(hwnd());
        return GetPixel(dc.get(), p.x, p.y);
    }
    SIZE WindowSize() {
        RECT r{};
        GetWindowRect(hwnd(), &r);
        return {r.right - r.left, r.bottom - r.top};
    }

    std::vector<std::string> entries;
    RecordingMessages messages;

  protected:
    std::vector<std::string> ListEntries() override { return entries; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ScriptedFrame* frame = current_;
        if (frame == nullptr || frame->hwnd() == nullptr) {
            return;
        }
        if (frame->next_ == 0 && IsWindowVisible(frame->hwnd()) == FALSE) {
            // The dialog manager shows the dialog once its queue runs dry; the ticks may come
            // first.
            ShowWindow(frame->hwnd(), SW_SHOWNORMAL);
            UpdateWindow(frame->hwnd());
        }
        if (frame->next_ < frame->steps_.size()) {
            frame->steps_[frame->next_++](*frame);
        } else {
            // A script that forgot to end the dialog must not hang the test.
            EndDialog(frame->hwnd(), -2);
        }
    }

    static inline ScriptedFrame* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

class SkinFrameTest : public ::testing::Test {
  protected:
    GdiplusSession gdiplus_;
};

SIZE BackgroundSize(const std::string& skin, SkinDialogKind kind) {
    const std::optional<DecodedImage> image = DecodeImage(Utf8ToWide(
        SkinImagePath(ContextFor(skin).skin_directory, SkinDialogInfoOf(kind).background_image)));
    return image ? SIZE{image->width, image->height} : SIZE{-1, -1};
}

TEST_F(SkinFrameTest, TakesTheBackgroundsSizeAndEndsByTheClickedButton) {
    struct Case {
        ClientPoint click;
        INT_PTR result;
    };
    const Case cases[] = {
        {{200, 260}, kDialogOk},
        {{270, 260}, kDialogCancel},  // OK and Cancel share this column; the later one wins
        {{300, 260}, kDialogCancel},
        {{360, 10}, kDialogCancel},
    };
    const SIZE expected = BackgroundSize("Default", SkinDialogKind::kDelayTime);
    ASSERT_GT(expected.cx, 0);
    for (const Case& c : cases) {
        SIZE size{};
        ScriptedFrame frame(SkinDialogKind::kDelayTime, ContextFor("Default"), {},
                            {[&](ScriptedFrame& f) { size = f.WindowSize(); },
                             [&](ScriptedFrame& f) {
                                 f.Click({10, 100});
                             },  // nothing there
                             [&](ScriptedFrame& f) { f.Click(c.click); }});
        EXPECT_EQ(frame.RunScript(), c.result) << c.click.x << "," << c.click.y;
        EXPECT_EQ(size.cx, expected.cx);
        EXPECT_EQ(size.cy, expected.cy);
        EXPECT_TRUE(frame.messages.shown.empty());
    }
}

TEST_F(SkinFrameTest, HoverShowsTheOverImageUntilThePointerLeaves) {
    // A spot inside each button that no label covers.
    const ClientPoint ok_spot{kFrameOkArea.left + 5, kFrameOkArea.top + 10};
    const ClientPoint cancel_spot{kFrameCancelArea.right - 6, kFrameCancelArea.top + 10};
    COLORREF ok_normal = 0, ok_hot = 0, ok_after_swap = 0, cancel_hot = 0, ok_left = 0;
    bool cancel_flag_after_swap = false;
    const ClientPoint soft_corner{kFrameOkArea.left + 1, kFrameOkArea.top + 1};
    COLORREF corner_normal = 0, corner_after_hovers = 1;
    ScriptedFrame frame(SkinDialogKind::kSingleKey, ContextFor("Default"), {},
                        {[&](ScriptedFrame& f) {
                             ok_normal = f.PixelAt(ok_spot);
                             corner_normal = f.PixelAt(soft_corner);
                             f.Hover({200, 260});
                             ok_hot = f.PixelAt(ok_spot);
                             f.Hover({300, 260});
                             ok_after_swap = f.PixelAt(ok_spot);
                             cancel_hot = f.PixelAt(cancel_spot);
                             cancel_flag_after_swap = f.hover().IsHot(FrameButton::kCancel);
                             f.MoveTo({50, 100});
                             ok_left = f.PixelAt(ok_spot);
                             // Soft corners must not pile up over repeated hovers.
                             for (int i = 0; i < 3; ++i) {
                                 f.Hover({200, 260});
                                 f.MoveTo({50, 100});
                             }
                             corner_after_hovers = f.PixelAt(soft_corner);
                         },
                         [&](ScriptedFrame& f) {
                             f.Click({360, 10});
                         }});
    EXPECT_EQ(frame.RunScript(), kDialogCancel);
    EXPECT_NE(ok_hot, ok_normal);
    EXPECT_EQ(ok_after_swap, ok_normal) << "moving onto Cancel returns OK to normal";
    EXPECT_EQ(cancel_hot, ok_hot) << "both buttons share the over image";
    EXPECT_TRUE(cancel_flag_after_swap);
    EXPECT_EQ(ok_left, ok_normal);
    EXPECT_EQ(corner_after_hovers, corner_normal);
    EXPECT_FALSE(frame.hover().IsHot(FrameButton::kCancel));
}

TEST_F(SkinFrameTest, MissingBackgroundReportsAndLeavesAnInvisibleDialogTheKeyboardEnds) {
    struct Case {
        UINT message;
        WPARAM wparam;
    };
    for (const Case& c : {Case{WM_KEYDOWN, VK_ESCAPE}, Case{WM_CLOSE, 0}}) {
        SIZE size{-1, -1};
        ScriptedFrame frame(SkinDialogKind::kMacroKey, ContextFor("NoSuchSkin"), {},
                            {[&](ScriptedFrame& f) {
                                size = f.WindowSize();
                                f.Post(c.message, c.wparam, 0);
                            }});
        EXPECT_EQ(frame.RunScript(), kDialogCancel);
        EXPECT_EQ(size.cx, 0);
        EXPECT_EQ(size.cy, 0);
        EXPECT_FALSE(frame.has_background());
        EXPECT_EQ(
            frame.messages.shown,
            (std::vector<Shown>{{"error", "Macro Key Dialog Load background image failed!!!"}}));
    }
}

TEST_F(SkinFrameTest, CaptureVariantKeepsEscapeFromEndingTheDialog) {
    bool alive_after_escape = false;
    FrameOptions options;
    options.key_filter = KeyFilter::kCaptureEnterEscape;
    ScriptedFrame frame(SkinDialogKind::kComboKey, ContextFor("Frost"), options,
                        {[&](ScriptedFrame& f) { f.Post(WM_KEYDOWN, VK_ESCAPE, 0); },
                         [&](ScriptedFrame& f) {
                             alive_after_escape = IsWindow(f.hwnd()) != FALSE;
                             f.Post(WM_KEYDOWN, VK_RETURN, 0);
                         },
                         [&](ScriptedFrame& f) {
                             f.Click({200, 260});
                         }});
    EXPECT_EQ(frame.RunScript(), kDialogOk);
    EXPECT_TRUE(alive_after_escape);
}

TEST_F(SkinFrameTest, DropdownListOpensScrollsChoosesAndClosesOutside) {
    constexpr int kListId = 562;
    constexpr int kDisabledId = 777;
    FrameOptions options;
    options.dropdown = DropdownListSpec{
        560,     {42, 128, 136, 144}, false, {{42, 128, 151, 144}, {42, 146, 151, 266}},
        kListId, {kDisabledId},       true};
    HWND list = nullptr;
    bool disabled_while_open = false;
    LRESULT top_after_wheel = -1;
    std::wstring value_box_text(32, L'\0');
    bool enabled_after_choice = false, closed_by_outside_click = false;
    ScriptedFrame frame(
        SkinDialogKind::kSkins, ContextFor("Default"), options,
        {[&](ScriptedFrame& f) {
             CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 200, 200, 50, 20, f.hwnd(),
                             reinterpret_cast<HMENU>(kDisabledId), nullptr, nullptr);
             f.Click({145, 135});  // the arrow
         },
         [&](ScriptedFrame& f) {
             list = f.list_window();
             disabled_while_open = IsWindowEnabled(GetDlgItem(f.hwnd(), kDisabledId)) == FALSE;
             f.Post(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
         },
         [&](ScriptedFrame& f) {
             top_after_wheel = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
             SendMessageW(list, LB_SETCURSEL, 4, 0);
             SendMessageW(f.hwnd(), WM_COMMAND, MAKEWPARAM(kListId, LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(list));
         },
         [&](ScriptedFrame& f) {
             GetDlgItemTextW(f.hwnd(), 560, value_box_text.data(), 32);
             enabled_after_choice = IsWindowEnabled(GetDlgItem(f.hwnd(), kDisabledId)) != FALSE &&
                                    IsWindow(list) == FALSE;
             f.Click({145, 135});  // open again, then click beside it
         },
         [&](ScriptedFrame& f) {
             f.Click({10, 200});
         },
         [&](ScriptedFrame& f) {
             closed_by_outside_click = f.list_window() == nullptr && !f.list_open();
             f.Click({360, 10});
         }});
    for (int i = 0; i < 20; ++i) {
        frame.entries.push_back("Skin " + std::to_string(i));
    }
    EXPECT_EQ(frame.RunScript(), kDialogCancel);
    EXPECT_NE(list, nullptr);
    EXPECT_TRUE(disabled_while_open);
    EXPECT_EQ(top_after_wheel, 3);
    EXPECT_EQ(frame.choice_text(), "Skin 4");
    EXPECT_EQ(frame.choice_index(), 4);
    EXPECT_STREQ(value_box_text.c_str(), L"Skin 4");
    EXPECT_TRUE(enabled_after_choice);
    EXPECT_TRUE(closed_by_outside_click);
}

TEST_F(SkinFrameTest, ColoursOnlyTheChildKindsItNames) {
    struct Answer {
        bool brush = false;
        COLORREF text = 0;
        int mode = 0;
        COLORREF background = 0;
    };
    Answer edit, list_box;
    FrameOptions options;
    options.child_colours = ChildColourRule{.statics = true, .edits = true};
    ScriptedFrame frame(
        SkinDialogKind::kFireKey, ContextFor("Default"), options, {[&](ScriptedFrame& f) {
            win::WindowDc screen(nullptr);
            win::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
            const auto ask = [&](UINT message) {
                SetTextColor(dc.get(), RGB(1, 2, 3));
                SetBkColor(dc.get(), RGB(4, 5, 6));
                SetBkMode(dc.get(), OPAQUE);
                const LRESULT brush =
                    SendMessageW(f.hwnd(), message, reinterpret_cast<WPARAM>(dc.get()), 0);
                return Answer{brush != 0, GetTextColor(dc.get()), GetBkMode(dc.get()),
                              GetBkColor(dc.get())};
            };
            edit = ask(WM_CTLCOLOREDIT);
            list_box = ask(WM_CTLCOLORLISTBOX);
            f.Click({360, 10});
        }});
    EXPECT_EQ(frame.RunScript(), kDialogCancel);
    EXPECT_TRUE(edit.brush);
    EXPECT_EQ(edit.text, RGB(255, 255, 255));
    EXPECT_EQ(edit.mode, TRANSPARENT);
    EXPECT_EQ(edit.background, RGB(0x28, 0x28, 0x28));
    // List boxes are not named here: the dialog manager's defaults answer.
    EXPECT_EQ(list_box.text, GetSysColor(COLOR_WINDOWTEXT));
}

// ---- LoadPng

std::filesystem::path WriteOnePixelPng(const std::filesystem::path& path, Gdiplus::Color colour) {
    Gdiplus::Bitmap bitmap(1, 1, PixelFormat32bppARGB);
    bitmap.SetPixel(0, 0, colour);
    bitmap.Save(path.wstring().c_str(), &testing::kPngEncoder, nullptr);
    return path;
}

COLORREF DrawOnto(COLORREF ground, const std::filesystem::path& image, RecordingMessages& out) {
    win::WindowDc screen(nullptr);
    win::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    win::UniqueBitmap target(CreateCompatibleBitmap(screen.get(), 4, 4));
    win::ScopedSelection select(dc.get(), target.get());
    SetPixel(dc.get(), 1, 1, ground);
    LoadPng(dc.get(), image.wstring(), 1, 1, out);
    return GetPixel(dc.get(), 1, 1);
}

TEST_F(SkinFrameTest, LoadPngBlendsPremultipliedAlphaAndReportsMissingFiles) {
    const auto folder = std::filesystem::temp_directory_path() / "corvanti-skin-test";
    std::filesystem::create_directories(folder);
    const auto half_orange =
        WriteOnePixelPng(folder / "half.png", Gdiplus::Color(128, 200, 100, 0));
    const auto clear = WriteOnePixelPng(folder / "clear.png", Gdiplus::Color(0, 255, 255, 255));
    RecordingMessages messages;
    const bool was_cached = ImageCacheEnabled();
    for (bool cached : {false, true}) {
        EnableImageCache(cached);
        EXPECT_EQ(DrawOnto(RGB(0, 0, 0), half_orange, messages), RGB(100, 50, 0));
        // 100 + 255 * 127 / 255 on each channel
        EXPECT_EQ(DrawOnto(RGB(255, 255, 255), half_orange, messages), RGB(227, 177, 127));
        EXPECT_EQ(DrawOnto(RGB(10, 20, 30), clear, messages), RGB(10, 20, 30));
        EXPECT_EQ(DrawOnto(RGB(10, 20, 30), folder / "missing.png", messages), RGB(10, 20, 30));
    }
    EnableImageCache(was_cached);
    EXPECT_EQ(messages.shown,
              (std::vector<Shown>(2, {"LoadPng---Load image failed.", "Corvanti-Tarn"})));
    EXPECT_FALSE(LoadPng(nullptr, half_orange.wstring(), 0, 0, messages));
}

// ---- Screenshots of every dialog frame over every skin, OK hovered

TEST_F(SkinFrameTest, EveryDialogFrameOverEverySkinDrawsWithoutComplaint) {
    const std::filesystem::path folder = CORVANTI_SCREENSHOT_DIR;
    std::filesystem::create_directories(folder);
    for (const std::string skin : {"Default", "Frost"}) {
        for (const SkinDialogInfo& info : SkinDialogTable()) {
            const std::string name = skin + "-" + std::string(info.background_image.substr(1));
            ScriptedFrame frame(info.kind, ContextFor(skin), {}, {[&](ScriptedFrame& f) {
                                    f.Hover({200, 260});
                                    testing::SaveClientAreaPng(f.hwnd(), folder / name);
                                    f.Click({360, 10});
                                }});
            EXPECT_EQ(frame.RunScript(), kDialogCancel) << name;
            EXPECT_TRUE(frame.messages.shown.empty()) << name;
            EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
        }
    }
}

}  // namespace
}  // namespace corvanti::skin
