#include "app/win/pelmar_dlg.h"

#include <dbt.h>
#include <windowsx.h>

#include <string>
#include <utility>

#include "app/balloon_texts.h"
#include "app/lighting_language.h"
#include "app/macro_page_texts.h"
#include "app/settings_file.h"
#include "app/skin_fallback.h"
#include "app/win/resource_ids.h"
#include "common/text_encoding.h"
#include "common/win/program_messages.h"
#include "device/win/hid_interface_class.h"
#include "macro/win/delay_time_dialog.h"
#include "macro/win/macro_dialog.h"
#include "macro/win/macro_page_panel.h"
#include "profile/profile_file.h"

namespace corvanti::win {
namespace {

constexpr const wchar_t kInstanceMutexName[] = L"CorvantiTarnMutex";
constexpr const char* kMainImageName = "/main.png";

std::filesystem::path ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

UniqueFont CreateUiFont(const FontSpec& font) {
    return UniqueFont(CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                  ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, FF_SWISS, Utf8ToWide(font.face).c_str()));
}

}  // namespace

CPelmarDlg::CPelmarDlg(HINSTANCE instance, const ProgramOptions& options)
    : instance_(instance),
      options_(options),
      icon_(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDR_APPLICATION_ICON),
                                          IMAGE_ICON, 0, 0, LR_DEFAULTSIZE))),
      tray_(trace_),
      mouse_(options, messages_, trace_),
      capture_dialogs_(skin_context_, RunModally(), [this] { return ChooseMacroKey(); }),
      assignment_(profile_.working, captions_, texts_, capture_dialogs_, messages_),
      pointer_(profile_.working, pointer_system_, messages_) {}

INT_PTR CPelmarDlg::RunModal() {
    using Thunk = DialogThunk<CPelmarDlg>;
    return DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_MAIN_WINDOW), nullptr, Thunk::Procedure,
                           Thunk::ParamOf(this));
}

INT_PTR CPelmarDlg::OnAttach(HWND window) {
    window_ = window;
    return OnInitDialog();
}

INT_PTR CPelmarDlg::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_NCPAINT:
            return OnNcPaint();
        case WM_ERASEBKGND:
            return AnswerDialogMessage(window_, OnEraseBackground(reinterpret_cast<HDC>(wparam)));
        case WM_PAINT:
            return OnPaint();
        case WM_LBUTTONDOWN:
            OnLeftButtonDown({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
            return TRUE;
        case WM_MOUSEMOVE:
            OnMouseMove({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
            return TRUE;
        case WM_MOUSEHOVER:
            OnMouseHover({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
            return TRUE;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(OnControlColour(message, reinterpret_cast<HDC>(wparam),
                                                             reinterpret_cast<HWND>(lparam)));
        case WM_CLOSE:
            OnClose();
            return TRUE;
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        case WM_COMMAND:
            OnCommand(wparam, lparam);
            return TRUE;
        case kListChoiceMessage:
            OnListChoice(static_cast<int>(wparam), static_cast<int>(lparam));
            return TRUE;
        case kTrayCallbackMessage:
            OnTrayCallback(lparam);
            return AnswerDialogMessage(window_, 0);
        case kDeviceEventMessage:
            OnDeviceEvent(wparam, lparam);
            return AnswerDialogMessage(window_, 0);
        case kMacroRecorderKeyMessage:
            macro_panel_->OnRecorderKey(wparam);
            return TRUE;
        case WM_DEVICECHANGE:
            OnDeviceChange(wparam, lparam);
            return AnswerDialogMessage(window_, TRUE);
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(icon_.get());
        default:
            // The shell's restart message has a number known only at run time.
            return tray_.OnShellRestart(message) ? AnswerDialogMessage(window_, 0) : FALSE;
    }
}

BOOL CPelmarDlg::OnInitDialog() {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        trace_.Trace("second copy: exit");
        ExitProcess(0);
    }
    instance_mutex_.Reset(mutex);
    messages_.set_owner(window_);

    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
    const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    SetWindowLongPtrW(window_, GWL_EXSTYLE,
                      (ex_style & ~DWORD{WS_EX_APPWINDOW}) | WS_EX_TOOLWINDOW);
    tray_.Add(window_, icon_.get());

    // The language is chosen before the mouse is opened: the found / not found balloon of the
    // open speaks it, instead of showing empty texts.
    paths_ = BuildProfilePaths(ExecutablePath());
    language_code_ = ReadLanguageCode(paths_.settings);
    texts_ = LanguageTexts(LanguageFromCode(language_code_));
    balloon_texts_ = BalloonTextsFrom(texts_);

    mouse_.OpenAtStart(window_);
    mouse_.CreateEventReader();
    if (!RegisterForHidNotifications()) {
        // The rest of the set-up goes on: stopping here would leave a tray icon whose window
        // opens onto pages never set up. Only the mouse's plugging in and out goes unnoticed.
        messages_.ShowMessage("RegisterDeviceNotification failed!!!", kApplicationTitle);
    }

    macro_store_.emplace(paths_.macro_store, &trace_);
    const auto profile_file = LoadProfileFile(paths_.profile, messages_, trace_);
    pages_.set_first_run_flag(profile_file.first_run_flag);
    profile_.working = profile_file.record;
    profile_.Snapshot();
    TraceDpiLevels();

    LoadSettingsFile();
    LoadSkinAndSize();
    CreateFonts();
    lighting_.emplace(profile_.working, LightingTextsOf(texts_));
    macro_panel_ = std::make_unique<macro::MacroPagePanel>(
        window_, *macro_store_, profile_.working, messages_, MacroPageTextsOf(texts_),
        [this] { return macro::AskDelayTime(skin_context_, RunModally()); });
    basic_controls_.Attach(window_, normal_font_.get(), normal_font_spec_);
    pretranslation_.Install([this](const MSG& message) { return PreTranslate(message); });
    if (mouse_.connected()) {
        CarryOut(pages_.ShowBasicPage());
    }
    trace_.Trace("start-up done");
    return TRUE;
}

bool CPelmarDlg::RegisterForHidNotifications() {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = HidInterfaceClassGuid();
    device_notification_.Reset(
        RegisterDeviceNotificationW(window_, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
    return device_notification_.valid();
}

void CPelmarDlg::LoadSettingsFile() {
    const auto settings = ReadSettings(paths_.settings, texts_.Text(TextRole::SettingsSectionName));
    captions_ = settings.captions;
    skin_name_ = settings.skin.path;
    text_colour_ = TextColorFromSettings(settings.skin);
    PublishSkinContext();
    trace_.Trace("text colour: " + std::to_string(text_colour_.red) + "," +
                 std::to_string(text_colour_.green) + "," + std::to_string(text_colour_.blue));
}

void CPelmarDlg::LoadSkinAndSize() {
    const std::string executable = WideToUtf8(paths_.executable.wstring());
    std::optional<skin::DecodedImage> decoded;
    const auto main_image_loads = [&](std::string_view name) {
        decoded = skin::DecodeImage(Utf8ToWide(SkinDirectory(executable, name) + kMainImageName));
        return decoded.has_value();
    };
    // "Path" in the file stays as it is: only the user's next choice of skin replaces it.
    const auto choice = ChooseSkin(
        skin_name_, ListSkinFolders(Utf8ToWide(SkinDirectory(executable, ""))), main_image_loads);
    if (choice && choice->fell_back) {
        trace_.Trace("skin \"" + skin_name_ + "\" cannot be shown; using \"" + choice->name + "\"");
    }
    if (choice) {
        skin_name_ = choice->name;
    }
    skin_directory_ = SkinDirectory(executable, skin_name_);
    PublishSkinContext();
    canvas_.Adopt(choice && decoded ? std::move(*decoded) : skin::DecodedImage{});
    SetWindowPos(window_, nullptr, 0, 0, canvas_.width(), canvas_.height(),
                 SWP_NOMOVE | SWP_NOZORDER);
    trace_.Trace("skin: " + skin_directory_ + " " + std::to_string(canvas_.width()) + "x" +
                 std::to_string(canvas_.height()));
}

void CPelmarDlg::PublishSkinContext() {
    skin_context_ = {skin_directory_, text_colour_, language_code_};
}

// The skinned dialogs run from the program's templates, owned by the main window (known only
// once it exists, hence read at every run).
skin::DialogRunner CPelmarDlg::RunModally() {
    return [this](skin::SkinnedDialogFrame& dialog) { return dialog.Run(window_, instance_); };
}

std::optional<MacroKeyChoice> CPelmarDlg::ChooseMacroKey() {
    if (!macro_store_) {
        return std::nullopt;
    }
    return macro::ChooseMacroKey(skin_context_, *macro_store_, RunModally());
}

void CPelmarDlg::CreateFonts() {
    const auto fonts = FontsFor(texts_.language(), GetVersion());
    normal_font_spec_ = fonts.normal;
    normal_font_ = CreateUiFont(fonts.normal);
    title_font_ = CreateUiFont(fonts.title);
}

void CPelmarDlg::TraceDpiLevels() {
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        trace_.Trace("dpi stage " + std::to_string(stage + 1) +
                     " level: " + std::to_string(profile_.working.dpi_level(stage)));
    }
}

BOOL CPelmarDlg::OnNcPaint() {
    if (!hide_at_start_.ShouldHideOnNonClientPaint()) {
        return FALSE;
    }
    ShowWindow(window_, SW_HIDE);
    trace_.Trace("window hidden at start");
    return TRUE;
}

BOOL CPelmarDlg::OnEraseBackground(HDC dc) {
    if (!canvas_.valid()) {
        return FALSE;
    }
    canvas_.CopyTo(dc);
    return TRUE;
}

// Only a minimised window paints itself (its icon); otherwise the erase already showed the
// canvas.
BOOL CPelmarDlg::OnPaint() {
    if (!IsIconic(window_)) {
        return FALSE;
    }
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    SendMessageW(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(window_, &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_.get());
    EndPaint(window_, &paint);
    return TRUE;
}

void CPelmarDlg::OnClose() {
    Hide();
}

void CPelmarDlg::Hide() {
    ShowWindow(window_, SW_HIDE);
    trace_.Trace("window hidden");
}

void CPelmarDlg::OnDestroy() {
    CleanUp();
}

void CPelmarDlg::OnTrayCallback(LPARAM mouse_message) {
    switch (TrayClickFor(mouse_message)) {
        case TrayClick::OpenWindow:
            OpenFromTray();
            break;
        case TrayClick::ShowMenu:
            ShowTrayMenu();
            break;
        case TrayClick::Nothing:
            break;
    }
}

void CPelmarDlg::OpenFromTray() {
    const auto opening = PlanWindowOpening(
        {mouse_.connected(), reload_on_show_, pages_.page(), pages_.basic_page_built()});
    if (opening.send_not_detected) {
        SendMessageW(window_, kDeviceEventMessage, kMouseNotDetectedEvent, 0);
        return;
    }
    if (opening.clear_reload_on_show) {
        reload_on_show_ = false;
    }
    CarryOut(PageStepsOfOpening(opening, pages_));
    SetForegroundWindow(window_);
    ShowWindow(window_, SW_SHOW);
    trace_.Trace("window shown");
}

void CPelmarDlg::ShowTrayMenu() {
    UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.get(), MF_STRING, ID_TRAY_EXIT,
                Utf8ToWide(texts_.Text(TextRole::TrayMenuExit)).c_str());
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(window_);
    trace_.Trace("tray menu shown");
    TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, window_,
                   nullptr);
}

void CPelmarDlg::OnDeviceEvent(WPARAM code, LPARAM value) {
    trace_.Trace("device event: " + std::to_string(code) + " " + std::to_string(value));
    const auto balloon =
        BalloonForDeviceEvent(code, value, balloon_texts_, profile_.working, mouse_.sensor_type());
    if (balloon) {
        tray_.ShowBalloon(*balloon);
    }
}

void CPelmarDlg::OnDeviceChange(WPARAM change, LPARAM data) {
    bool hide_window = false;
    mouse_.OnDeviceChange(change, data, hide_window);
    if (hide_window) {
        Hide();
    }
}

void CPelmarDlg::CleanUp() {
    mouse_.Close();
    tray_.Remove();
}

void CPelmarDlg::Exit() {
    CleanUp();
    trace_.Trace("exit");
    ExitProcess(0);
}

}  // namespace corvanti::win
