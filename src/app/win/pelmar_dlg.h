#pragma once

#include <windows.h>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/click_dispatch.h"
#include "app/device_event_balloon.h"
#include "app/language_texts.h"
#include "app/main_window_hover.h"
#include "app/page_operations.h"
#include "app/program_options.h"
#include "app/settings_file.h"
#include "app/startup_choices.h"
#include "app/tray_actions.h"
#include "app/win/basic_page_controls.h"
#include "app/win/macro_panel.h"
#include "app/win/main_canvas.h"
#include "app/win/message_pretranslation.h"
#include "app/win/mouse_link.h"
#include "app/win/tray_icon.h"
#include "app/win/windows_messages.h"
#include "assign/button_assignment.h"
#include "assign/win/windows_capture_dialogs.h"
#include "common/win/dialog_thunk.h"
#include "common/win/handle_owners.h"
#include "macro/macro_store.h"
#include "profile/profile_paths.h"
#include "profile/profile_record.h"
#include "settings/lighting_panel.h"
#include "settings/pointer_settings.h"
#include "settings/win/windows_pointer_system.h"
#include "skin/skin_context.h"
#include "skin/skin_dialog_choice.h"
#include "skin/win/dialog_runner.h"
#include "skin/win/message_box.h"
#include "skin/win/skin_image.h"

namespace corvanti::win {

// The main window: a skinned dialog that lives hidden behind the tray icon for the whole run.
// Its start-up, lifecycle, tray and device events are here; its clicks, pages and pointer
// input each have their own file.
class CPelmarDlg {
  public:
    CPelmarDlg(HINSTANCE instance, const ProgramOptions& options);
    CPelmarDlg(const CPelmarDlg&) = delete;
    CPelmarDlg& operator=(const CPelmarDlg&) = delete;

    // Runs the window modally; returns when its modal loop ends.
    INT_PTR RunModal();

  private:
    // A list's choice, taken once the list has finished handling the click that made it
    // (wParam: the list's id, lParam: its selection); the choice may destroy the list.
    static constexpr UINT kListChoiceMessage = WM_APP + 1;

    friend struct DialogThunk<CPelmarDlg>;
    INT_PTR OnAttach(HWND window);
    INT_PTR Dispatch(UINT message, WPARAM wparam, LPARAM lparam);

    // Start-up and lifecycle (pelmar_dlg.cpp).
    BOOL OnInitDialog();
    BOOL OnNcPaint();
    BOOL OnEraseBackground(HDC dc);
    BOOL OnPaint();
    void OnClose();
    void OnDestroy();
    void OnTrayCallback(LPARAM mouse_message);
    void OnDeviceEvent(WPARAM code, LPARAM value);
    void OnDeviceChange(WPARAM change, LPARAM data);
    bool RegisterForHidNotifications();
    void LoadSettingsFile();
    void LoadSkinAndSize();
    void CreateFonts();
    void PublishSkinContext();
    skin::DialogRunner RunModally();
    std::optional<MacroKeyChoice> ChooseMacroKey();
    void TraceDpiLevels();
    void OpenFromTray();
    void ShowTrayMenu();
    void Hide();
    void CleanUp();
    [[noreturn]] void Exit();

    // Clicks (main_window_clicks.cpp).
    void OnLeftButtonDown(ClientPoint point);
    void CarryOut(const ClickAction& action, ClientPoint point);
    bool CarryOutCommon(const ClickAction& action, ClientPoint point);
    bool CarryOutBasicPage(const ClickAction& action, ClientPoint point);
    bool CarryOutAdvancedPage(const ClickAction& action);
    void ConfirmSettings();
    void CancelEdits();
    void OpenSkinsDialog();
    void AdoptSkin(const SkinSelection& selection);
    void ChooseDpiColour(int stage);
    void OpenWebLink();
    void StartWindowDrag(ClientPoint point);
    void CarryButtonListOutcome(const ButtonListOutcome& outcome);

    // Pages and drawing (main_window_pages.cpp).
    void CarryOut(const PagePlan& plan);
    void BuildBasicPage();
    void BuildAdvancedPage();
    void DestroyBasicPageControls();
    void WriteFirstRunCaptions();
    void Draw(const DrawList& steps);
    CanvasStyle Style() const;

    // Pointer, keyboard and child-control messages (main_window_input.cpp).
    bool PreTranslate(const MSG& message);
    void FollowPointerOverList(HWND list);
    void OpenEventListMenu(HWND list);
    void OnMouseMove(ClientPoint point);
    void OnMouseHover(ClientPoint point);
    HBRUSH OnControlColour(UINT message, HDC dc, HWND control);
    void OnCommand(WPARAM wparam, LPARAM lparam);
    void OnListChoice(int list_id, int selection);

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
    ProfilePair profile_;
    std::string language_code_;
    LanguageTexts texts_{Language::English};
    BalloonTexts balloon_texts_;
    ButtonCaptions captions_;
    std::string skin_name_;
    std::string skin_directory_;
    Rgb text_colour_{0, 255, 0};
    SkinContext skin_context_;  // what the skinned dialogs read when they open
    MainCanvas canvas_;         // none when main.png cannot be loaded
    FontSpec normal_font_spec_;
    UniqueFont normal_font_;
    UniqueFont title_font_;

    MainWindowPages pages_;
    bool reload_on_show_ = false;
    MainWindowHover hover_;
    std::optional<MacroStore> macro_store_;  // record.ini, once its path is known
    assign::WindowsCaptureDialogs capture_dialogs_;
    ButtonAssignment assignment_;
    std::optional<LightingPanel> lighting_;  // made once the language is known
    WindowsPointerSystem pointer_system_;
    PointerSettings pointer_;
    BasicPageControls basic_controls_;
    std::unique_ptr<MacroPanel> macro_panel_ = std::make_unique<EmptyMacroPanel>();
    MessagePretranslation pretranslation_;
    UniqueBrush control_brush_;  // lives until the next colour request
};

}  // namespace corvanti::win
