#include "skin/win/skinned_dialog_frame.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "common/text_encoding.h"
#include "common/win/window_checks.h"
#include "skin/font_fitting.h"
#include "skin/frame_layout.h"
#include "skin/text_centring.h"
#include "skin/win/child_kind.h"
#include "skin/win/dialog_font.h"
#include "skin/win/mem_dc.h"
#include "skin/win/skin_image.h"

namespace corvanti::skin {

namespace {

constexpr UINT kCentredSingleLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kWrapped = DT_WORDBREAK | DT_EDITCONTROL;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY;
// Posted to the dialog to destroy a list after its own notification has returned; private to
// the frame, so from the WM_APP range.
constexpr UINT kDestroyListMessage = WM_APP + 0x51;

// The frames running modally on this thread, innermost last, and the one message filter they
// share: it sees every message of a dialog's modal loop before the dialog manager does.
struct RunningFrames {
    std::vector<SkinnedDialogFrame*> frames;
    HHOOK filter = nullptr;
};
thread_local RunningFrames running;

RECT ToRect(ClientRect r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

ClientPoint PointOf(LPARAM lparam) {
    return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
}

RECT ClientArea(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return client;
}

}  // namespace

SkinnedDialogFrame::SkinnedDialogFrame(SkinDialogKind kind, const SkinContext& context,
                                       FrameOptions options, UserMessages* messages)
    : kind_(kind),
      context_(context),
      options_(std::move(options)),
      messages_(messages != nullptr ? messages : &own_messages_),
      child_brush_(CreateSolidBrush(kChildBackground)) {}

SkinnedDialogFrame::~SkinnedDialogFrame() = default;

INT_PTR SkinnedDialogFrame::Run(HWND owner, HINSTANCE instance) {
    return RunWithFilter(owner, instance, nullptr);
}

INT_PTR SkinnedDialogFrame::RunIndirect(HWND owner, const DLGTEMPLATE* dialog_template) {
    return RunWithFilter(owner, GetModuleHandleW(nullptr), dialog_template);
}

INT_PTR SkinnedDialogFrame::RunWithFilter(HWND owner, HINSTANCE instance,
                                          const DLGTEMPLATE* dialog_template) {
    // Every run starts from a clean state, whatever the previous run ended in.
    hover_ = FrameHoverState{};
    list_state_ = DropdownListState{};
    list_window_ = nullptr;
    value_box_ = nullptr;
    if (running.frames.empty()) {
        running.filter = SetWindowsHookExW(WH_MSGFILTER, &SkinnedDialogFrame::MessageFilter,
                                           nullptr, GetCurrentThreadId());
    }
    running.frames.push_back(this);
    using Thunk = win::DialogThunk<SkinnedDialogFrame>;
    const LPARAM self = Thunk::ParamOf(this);
    const INT_PTR result =
        dialog_template != nullptr
            ? DialogBoxIndirectParamW(instance, dialog_template, owner, Thunk::Procedure, self)
            : DialogBoxParamW(instance, MAKEINTRESOURCEW(SkinDialogInfoOf(kind_).template_id),
                              owner, Thunk::Procedure, self);
    running.frames.pop_back();
    if (running.frames.empty() && running.filter != nullptr) {
        UnhookWindowsHookEx(running.filter);
        running.filter = nullptr;
    }
    hwnd_ = nullptr;
    return result;
}

LRESULT CALLBACK SkinnedDialogFrame::MessageFilter(int code, WPARAM wparam, LPARAM lparam) {
    if (code == MSGF_DIALOGBOX) {
        const MSG& msg = *reinterpret_cast<const MSG*>(lparam);
        const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        for (SkinnedDialogFrame* frame : running.frames) {
            if (frame->hwnd_ != nullptr && frame->hwnd_ == root && frame->PreTranslate(msg)) {
                return 1;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

bool SkinnedDialogFrame::PreTranslate(const MSG& msg) {
    if (ShouldSwallowMessage(options_.key_filter, msg.message, msg.wParam)) {
        return true;
    }
    if (options_.dropdown && msg.message == WM_MOUSEMOVE) {
        FollowCursorInList();
    }
    return false;
}

INT_PTR SkinnedDialogFrame::OnAttach(HWND hwnd) {
    hwnd_ = hwnd;
    own_messages_.set_owner(hwnd);
    return OnInitDialog();
}

INT_PTR SkinnedDialogFrame::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
    bool handled = false;
    const INT_PTR own = OnMessage(message, wparam, lparam, handled);
    if (handled) {
        return own;
    }
    switch (message) {
        case WM_ERASEBKGND:
            PaintFrame(reinterpret_cast<HDC>(wparam));
            return TRUE;
        case WM_LBUTTONDOWN:
            OnLeftButtonDown(PointOf(lparam));
            return FALSE;
        case WM_MOUSEMOVE: {
            const FrameHoverStep step = hover_.OnMouseMove(PointOf(lparam));
            if (step.request_hover) {
                TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER, hwnd_, 10};
                TrackMouseEvent(&track);
            }
            DrawHoverStep(step);
            return FALSE;
        }
        case WM_MOUSEHOVER:
            DrawHoverStep(hover_.OnMouseHover(PointOf(lparam)));
            return FALSE;
        case WM_MOUSEWHEEL:
            OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wparam));
            return FALSE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return reinterpret_cast<INT_PTR>(OnChildColour(reinterpret_cast<HDC>(wparam),
                                                           reinterpret_cast<HWND>(lparam),
                                                           ChildKindOf(message)));
        case WM_HELP:
            return options_.answers_help ? TRUE : FALSE;
        case kDestroyListMessage:
            DestroyWindow(reinterpret_cast<HWND>(lparam));
            return TRUE;
        case WM_COMMAND:
            if (options_.dropdown && LOWORD(wparam) == options_.dropdown->list_id) {
                OnListNotification(HIWORD(wparam));
                return TRUE;
            }
            if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
                EndWith(LOWORD(wparam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR SkinnedDialogFrame::OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return FALSE;
}

BOOL SkinnedDialogFrame::OnInitDialog() {
    skin_path_ = context_.skin_directory;
    if (!LoadBackground()) {
        const SkinDialogInfo& info = SkinDialogInfoOf(kind_);
        messages_->ShowMessage(kBackgroundFailureText, info.load_failure_caption);
        return FALSE;
    }
    CreateDialogFont();
    const Language language = LanguageFromCode(context_.language_code);
    ok_cancel_ = OkCancelTextsFor(language);
    SetLanguageTexts(language);
    CreateValueBox();
    return CreateControls() ? TRUE : FALSE;
}

bool SkinnedDialogFrame::LoadBackground() {
    const std::wstring path =
        Utf8ToWide(SkinImagePath(skin_path_, SkinDialogInfoOf(kind_).background_image));
    background_.Reset();
    canvas_.Reset();
    std::optional<DecodedImage> image = DecodeImage(path);
    background_size_ = image ? SIZE{image->width, image->height} : SIZE{0, 0};
    SetWindowPos(hwnd_, nullptr, 0, 0, background_size_.cx, background_size_.cy,
                 SWP_NOMOVE | SWP_NOZORDER);
    if (!image) {
        return false;
    }
    background_ = std::move(image->bitmap);
    win::WindowDc screen(nullptr);
    canvas_.Reset(CreateCompatibleBitmap(screen.get(), background_size_.cx, background_size_.cy));
    return static_cast<bool>(canvas_);
}

void SkinnedDialogFrame::CreateDialogFont() {
    font_choice_ = DialogFontFor(LanguageFromCode(context_.language_code),
                                 static_cast<std::uint32_t>(GetVersion()));
    font_ = CreateDialogFaceFont(font_choice_.face, {font_choice_.height});
}

void SkinnedDialogFrame::CreateDropdownFont() {
    dropdown_font_.Reset();
    const DropdownListSpec& dropdown = *options_.dropdown;
    std::vector<std::string> entries = ListEntries();
    DropdownRoom room{ValueBoxTextWidth(dropdown.value_box), std::nullopt,
                      static_cast<int>(entries.size())};
    if (!dropdown.wheel_scrolls) {
        // Nothing scrolls this list: a line below the dialog's edge could never be chosen.
        room.list_height = VisibleListHeight(dropdown.geometry.list_area,
                                             static_cast<int>(ClientArea(hwnd_).bottom));
    }
    entries.push_back(choice_text_);
    const FontSize size = FittingFontSize(font_choice_.height, room, [&](FontSize at) {
        return MeasureInDialogFace(font_choice_.face, at, entries);
    });
    if (size != FontSize{font_choice_.height}) {
        dropdown_font_ = CreateDialogFaceFont(font_choice_.face, size);
    }
}

void SkinnedDialogFrame::CreateValueBox() {
    if (!options_.dropdown) {
        return;
    }
    // The entries and the choice are known once the language texts are set.
    CreateDropdownFont();
    const DropdownListSpec& dropdown = *options_.dropdown;
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_SUNKEN |
                        static_cast<DWORD>(dropdown.value_box_centred ? SS_CENTER : SS_LEFT);
    value_box_ = CreateWindowExW(
        0, L"STATIC", Utf8ToWide(choice_text_).c_str(), style, dropdown.value_box.left,
        dropdown.value_box.top, dropdown.value_box.Width(), dropdown.value_box.Height(), hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(dropdown.value_box_id)), nullptr, nullptr);
}

COLORREF SkinnedDialogFrame::text_colour() const {
    return RGB(context_.text_colour.red, context_.text_colour.green, context_.text_colour.blue);
}

bool SkinnedDialogFrame::DrawSkinImage(HDC dc, std::string_view name, int x, int y) {
    return LoadPng(dc, Utf8ToWide(SkinImagePath(skin_path_, name)), x, y, *messages_);
}

void SkinnedDialogFrame::DrawLabel(HDC dc, std::string_view text, ClientRect rect, UINT format,
                                   COLORREF colour) {
    win::ScopedSelection select_font(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    const std::wstring wide = Utf8ToWide(text);
    RECT area = ToRect(rect);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

void SkinnedDialogFrame::DrawWrappedLabel(HDC dc, std::string_view text, ClientRect area,
                                          UINT alignment, COLORREF colour) {
    // Measured first, so that the block of lines can stand centred in the area.
    const std::wstring wide = Utf8ToWide(text);
    RECT measured = ToRect(area);
    {
        win::ScopedSelection select_font(dc, font_.get());
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &measured,
                  DT_CALCRECT | kWrapped | DT_CENTER);
    }
    DrawLabel(dc, text, CentreVertically(area, measured.bottom - measured.top),
              kWrapped | alignment, colour);
}

void SkinnedDialogFrame::DrawOverBackground(HDC canvas_dc, ClientRect area) {
    win::UniqueMemoryDc source(CreateCompatibleDC(canvas_dc));
    win::ScopedSelection select(source.get(), background_.get());
    BitBlt(canvas_dc, area.left, area.top, area.Width(), area.Height(), source.get(), area.left,
           area.top, SRCCOPY);
}

void SkinnedDialogFrame::DrawFrameButton(HDC dc, FrameButtonDraw draw) {
    const ClientRect area = FrameButtonArea(draw.button);
    DrawOverBackground(dc, area);
    DrawSkinImage(dc, FrameButtonImage(draw.button, draw.hot), area.left, area.top);
    if (FrameButtonHasLabel(draw.button)) {
        const std::string_view label =
            draw.button == FrameButton::kOk ? ok_cancel_.ok : ok_cancel_.cancel;
        DrawLabel(dc, label, area, kCentredSingleLine, text_colour());
    }
}

void SkinnedDialogFrame::PaintFrame(HDC target) {
    CMemDC buffer(target, ClientArea(hwnd_));
    if (!background_) {
        return;
    }
    buffer.UseBitmap(canvas_.get());
    HDC dc = buffer.dc();
    DrawOverBackground(dc, {0, 0, background_size_.cx, background_size_.cy});
    DrawFrameButton(dc, {FrameButton::kOk, false});
    DrawFrameButton(dc, {FrameButton::kCancel, false});
    DrawOwn(dc);
    DrawFrameButton(dc, {FrameButton::kClose, false});
}

void SkinnedDialogFrame::DrawOnCanvas(const std::function<void(HDC)>& draw) {
    if (!background_) {
        return;
    }
    win::WindowDc window(hwnd_);
    CMemDC buffer(window.get(), ClientArea(hwnd_));
    buffer.UseBitmap(canvas_.get());
    draw(buffer.dc());
}

void SkinnedDialogFrame::DrawHoverStep(const FrameHoverStep& step) {
    if (step.draws.empty()) {
        return;
    }
    DrawOnCanvas([&](HDC dc) {
        for (const FrameButtonDraw& draw : step.draws) {
            DrawFrameButton(dc, draw);
        }
    });
}

void SkinnedDialogFrame::EndWith(int result) {
    EndDialog(hwnd_, result);
}

void SkinnedDialogFrame::OnLeftButtonDown(ClientPoint p) {
    const bool list_exists = win::WindowExists(list_window_);
    if (options_.dropdown &&
        list_state_.OnOtherClick(p, options_.dropdown->geometry, list_exists)) {
        CloseList();
    }
    if (const std::optional<int> result = FrameClickResult(p)) {
        EndWith(*result);
    }
    if (options_.dropdown && options_.dropdown->geometry.trigger.Contains(p)) {
        OnTriggerClick();
    }
    OnOwnClick(p);
}

void SkinnedDialogFrame::OnTriggerClick() {
    const DropdownListSpec& dropdown = *options_.dropdown;
    const bool list_exists = win::WindowExists(list_window_);
    switch (list_state_.OnTriggerClick(list_exists)) {
        case TriggerAction::kClose:
            CloseList();
            return;
        case TriggerAction::kKeep:
            return;
        case TriggerAction::kOpen:
            break;
    }
    for (int id : dropdown.disabled_while_open) {
        EnableWindow(GetDlgItem(hwnd_, id), FALSE);
    }
    SetFocus(hwnd_);
    const ClientRect area = dropdown.geometry.list_area;
    list_window_ = CreateWindowExW(
        0, L"LISTBOX", L"", kListStyle, area.left, area.top, area.Width(), area.Height(), hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(dropdown.list_id)), nullptr, nullptr);
    SendMessageW(list_window_, WM_SETFONT, reinterpret_cast<WPARAM>(DropdownFont()), FALSE);
    for (const std::string& entry : ListEntries()) {
        SendMessageW(list_window_, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Utf8ToWide(entry).c_str()));
    }
}

void SkinnedDialogFrame::CloseList() {
    if (win::WindowExists(list_window_)) {
        DestroyWindow(list_window_);
    }
    list_window_ = nullptr;
    for (int id : options_.dropdown->disabled_while_open) {
        EnableWindow(GetDlgItem(hwnd_, id), TRUE);
    }
}

void SkinnedDialogFrame::OnListNotification(WORD notification) {
    if (notification != LBN_SELCHANGE && notification != LBN_DBLCLK) {
        return;
    }
    const bool list_exists = win::WindowExists(list_window_);
    const LRESULT selection = list_exists ? SendMessageW(list_window_, LB_GETCURSEL, 0, 0) : LB_ERR;
    if (!list_state_.OnListChoice(list_exists, selection != LB_ERR)) {
        return;
    }
    const auto index = static_cast<WPARAM>(selection);
    const LRESULT length = SendMessageW(list_window_, LB_GETTEXTLEN, index, 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    if (length > 0) {
        SendMessageW(list_window_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    }
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    choice_text_ = WideToUtf8(text);
    choice_index_ = static_cast<int>(selection);
    SetWindowTextW(value_box_, text.c_str());
    InvalidateRect(value_box_, nullptr, TRUE);
    // The list is still inside its own notification: hide it now, destroy it afterwards.
    ShowWindow(list_window_, SW_HIDE);
    PostMessageW(hwnd_, kDestroyListMessage, 0, reinterpret_cast<LPARAM>(list_window_));
    list_window_ = nullptr;
    CloseList();
    OnListChoice(choice_index_, choice_text_);
}

void SkinnedDialogFrame::OnMouseWheel(int delta) {
    if (!options_.dropdown || !options_.dropdown->wheel_scrolls ||
        !win::WindowExists(list_window_)) {
        return;
    }
    const WheelScroll scroll = WheelScrollFor(delta);
    for (int i = 0; i < scroll.lines; ++i) {
        SendMessageW(list_window_, WM_VSCROLL, static_cast<WPARAM>(scroll.scroll_code), 0);
    }
}

void SkinnedDialogFrame::FollowCursorInList() {
    if (!win::WindowExists(list_window_)) {
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != list_window_) {
        return;
    }
    ScreenToClient(list_window_, &cursor);
    const LRESULT item =
        SendMessageW(list_window_, LB_ITEMFROMPOINT, 0, MAKELPARAM(cursor.x, cursor.y));
    SendMessageW(list_window_, LB_SETCURSEL, LOWORD(item), 0);
}

HBRUSH SkinnedDialogFrame::OnChildColour(HDC dc, HWND child, ChildKind kind) {
    const std::optional<ChildColours> colours = ChildColoursFor(kind, options_.child_colours);
    if (!colours) {
        return nullptr;
    }
    SetTextColor(dc, colours->text_colour);
    SetBkMode(dc, TRANSPARENT);
    if (colours->text_background) {
        SetBkColor(dc, *colours->text_background);
    }
    const bool shows_entries = child != nullptr && (child == value_box_ || child == list_window_);
    SelectObject(dc, shows_entries ? DropdownFont() : font_.get());
    return child_brush_.get();
}

std::vector<WORD> EmptyDialogTemplate() {
    constexpr DWORD kStyle = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;
    constexpr WORD kWidthUnits = 200;
    constexpr WORD kHeightUnits = 150;
    // Style, extended style, no items, at (0, 0), the size; then no menu, the standard dialog
    // class and no title.
    return {LOWORD(kStyle), HIWORD(kStyle), 0, 0, 0, 0, 0, kWidthUnits, kHeightUnits, 0, 0, 0};
}

}  // namespace corvanti::skin
