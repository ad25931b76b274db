#pragma once

#include <windows.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "app/device_event_balloon.h"
#include "app/language_texts.h"
#include "app/program_options.h"
#include "app/settings_file.h"
#include "app/startup_choices.h"
#include "app/tray_actions.h"
#include "app/win/main_canvas.h"
#include "app/win/mouse_link.h"
#include "app/win/tray_icon.h"
#include "app/win/windows_messages.h"
#include "common/win/dialog_thunk.h"
#include "common/win/handle_owners.h"
#include "profile/profile_paths.h"
#include "profile/profile_record.h"
#include "skin/win/message_box.h"
#include "skin/win/skin_image.h"

namespace corvanti::win {

// The main window: a skinned dialog that lives hidden behind the tray icon for the whole run.
class CPelmarDlg {
  public:
    CPelmarDlg(HINSTANCE instance, const ProgramOptions& options);
    CPelmarDlg(const CPelmarDlg&) = delete;
    CPelmarDlg& operator=(const CPelmarDlg&) = delete;

    // Runs the window modally; returns when its modal loop ends.
    INT_PTR RunModal();

  private:
    friend struct DialogThunk<CPelmarDlg>;
    INT_PTR OnAttach(HWND window);
    INT_PTR Dispatch(UINT message, WPARAM wparam, LPARAM lparam);

    BOOL OnInitDialog();
    BOOL OnNcPaint();
    BOOL OnEraseBackground(HDC dc);
    BOOL OnPaint();
    void OnClose();
    void OnDestroy();
    void OnCommand(WPARAM wparam);
    void OnTrayCallback(LPARAM mouse_message);
    void OnDeviceEvent(WPARAM code, LPARAM value);
    void OnDeviceChange(WPARAM change, LPARAM data);

    bool RegisterForHidNotifications();
    void LoadSettingsFile();
    void LoadSkinAndSize();
    void CreateFonts();
    void ShowBasicPage();
    void TraceDpiLevels();
    void OpenFromTray();
    void ShowTrayMenu();
    void CleanUp();
    [[noreturn]] void Exit();
    void TraceVisibility(const char* what);

    HINSTANCE instance_;
    const ProgramOptions& options_;
    HWND window_ = nullptr;
    DebugOutputTrace trace_;
    skin::MessageBoxMessages messages_;
    UniqueIcon icon_;
    TrayIcon tray_;
    MouseLink mouse_;
    UniqueHandle instance_mutex_;
    UniqueDeviceNotification device_notification_;
    HideAtStartCounter hide_at_start_;

    ProfilePaths paths_;
    std::uint8_t first_run_flag_ = 0;
    ProfilePair profile_;
    std::string language_code_;
    LanguageTexts texts_{Language::English};
    BalloonTexts balloon_texts_;
    ButtonCaptions captions_;
    std::string skin_name_;
    std::string skin_directory_;
    Rgb text_colour_{0, 255, 0};
    MainCanvas canvas_;  // none when main.png cannot be loaded
    UniqueFont normal_font_;
    UniqueFont title_font_;

    PageState page_ = PageState::None;
    bool reload_on_show_ = false;
    bool basic_page_built_ = false;
};

}  // namespace corvanti::win
