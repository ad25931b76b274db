// The main window's clicks: the dispatch decides what a click does, in which order; this
// carries each action out through the part that owns the control.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstddef>

#include "app/apply_files.h"
#include "app/win/pelmar_dlg.h"
#include "common/text_encoding.h"
#include "settings/dpi_stages.h"
#include "settings/report_rate.h"
#include "skin/win/skin_selection.h"
#include "skin/win/skins_dialog.h"

namespace corvanti::win {

namespace {

using Kind = ClickActionKind;

std::size_t ZeroBased(int number) {
    return static_cast<std::size_t>(number - 1);
}

}  // namespace

void CPelmarDlg::OnLeftButtonDown(ClientPoint point) {
    const ClickActions actions = DispatchClick(
        {point, pages_.page(), macro_panel_->insert_mouse_event_list_open(), mouse_.connected()});
    for (const ClickAction& action : actions) {
        CarryOut(action, point);
    }
}

void CPelmarDlg::CarryOut(const ClickAction& action, ClientPoint point) {
    if (!CarryOutCommon(action, point) && !CarryOutBasicPage(action, point)) {
        CarryOutAdvancedPage(action);
    }
}

bool CPelmarDlg::CarryOutCommon(const ClickAction& action, ClientPoint point) {
    switch (action.kind) {
        case Kind::Ok:
            ConfirmSettings();
            Hide();
            return true;
        case Kind::Apply:
            ConfirmSettings();
            return true;
        case Kind::SkinsDialog:
            OpenSkinsDialog();
            return true;
        case Kind::Hide:
            Hide();
            return true;
        case Kind::Exit:
            Exit();
        case Kind::ShowBasicPage:
            CarryOut(pages_.ShowBasicPage());
            return true;
        case Kind::ShowAdvancedPage:
            CarryOut(pages_.ShowAdvancedPage());
            return true;
        case Kind::Cancel:
            CancelEdits();
            return true;
        case Kind::OpenWebLink:
            OpenWebLink();
            return true;
        case Kind::WindowDrag:
            StartWindowDrag(point);
            return true;
        default:
            return false;
    }
}

bool CPelmarDlg::CarryOutBasicPage(const ClickAction& action, ClientPoint point) {
    const int sensor = mouse_.sensor_type();
    switch (action.kind) {
        case Kind::CloseButtonListsOutside:
            CarryButtonListOutcome(assignment_.CloseListsOutside(point));
            return true;
        case Kind::CloseLightingListsOutside:
            basic_controls_.Destroy(lighting_->CloseListsOutside(point));
            return true;
        case Kind::KeyModeA:
            Draw(assignment_.ShowKeyMode(KeyMode::A));
            return true;
        case Kind::KeyModeB:
            Draw(assignment_.ShowKeyMode(KeyMode::B));
            return true;
        case Kind::KeyDefaults:
            Draw(assignment_.DefaultKeys());
            return true;
        case Kind::ToggleButtonList:
            CarryButtonListOutcome(assignment_.ToggleList(action.index));
            return true;
        case Kind::ReportRateSegment:
            Draw(ChooseReportRate(profile_.working, action.index));
            return true;
        case Kind::DpiTick:
            Draw(ClickDpiTick(profile_.working, sensor, ZeroBased(action.index)));
            return true;
        case Kind::DpiSwatch:
            ChooseDpiColour(action.index);
            return true;
        case Kind::LightingSelector:
            basic_controls_.Carry(
                lighting_->ClickSelector(static_cast<LightingSelector>(ZeroBased(action.index))));
            return true;
        case Kind::DpiLevel:
            Draw(ClickDpiCell(profile_.working, sensor, ZeroBased(action.index), action.value));
            return true;
        default:
            return false;
    }
}

bool CPelmarDlg::CarryOutAdvancedPage(const ClickAction& action) {
    switch (action.kind) {
        case Kind::PrecisionTick:
            Draw(pointer_.ClickTick(PointerTick::Precision));
            return true;
        case Kind::PageScrollTick:
            Draw(pointer_.ClickTick(PointerTick::PageScrolling));
            return true;
        case Kind::PointerDefaults:
            Draw(pointer_.RestoreDefaults());
            return true;
        case Kind::PointerSlider:
            Draw(pointer_.ClickSlider(static_cast<PointerSlider>(action.index), action.value));
            return true;
        case Kind::StartRecording:
        case Kind::StopRecording:
        case Kind::NewMacro:
        case Kind::DeleteMacro:
        case Kind::ConfirmMacro:
        case Kind::ToggleInsertMouseEventList:
        case Kind::CloseInsertMouseEventList:
            macro_panel_->OnClick(action.kind);
            return true;
        default:
            return false;
    }
}

void CPelmarDlg::CarryButtonListOutcome(const ButtonListOutcome& outcome) {
    basic_controls_.Carry(outcome);
    Draw(outcome.draw);
}

// OK and Apply: the mouse and config.bin take the working record, which then is the one
// Cancel returns to, and the pointer settings reach the system.
void CPelmarDlg::ConfirmSettings() {
    ApplyFiles files(paths_, profile_.working, captions_,
                     texts_.Text(TextRole::SettingsSectionName), messages_, trace_);
    mouse_.Apply(profile_.working, files);
    profile_.Snapshot();
    pointer_.WriteToSystem();
}

// The edits are thrown away now; the page shows them until the next opening rebuilds it.
void CPelmarDlg::CancelEdits() {
    profile_.Restore();
    reload_on_show_ = true;
    Hide();
}

void CPelmarDlg::OpenSkinsDialog() {
    const std::optional<SkinSelection> selection = skin::RunSkinSelection(
        [this](skin::SkinnedDialogFrame& dialog) { return dialog.Run(window_, instance_); },
        skin_context_, skin_name_, WideToUtf8(paths_.executable.wstring()));
    if (selection) {
        AdoptSkin(*selection);
    }
}

void CPelmarDlg::AdoptSkin(const SkinSelection& selection) {
    skin_directory_ = selection.skin_directory;
    skin_name_ = selection.skin_name;
    text_colour_ = selection.text_colour;
    PublishSkinContext();
    WriteSkinSettings(paths_.settings, {text_colour_.red, text_colour_.green, text_colour_.blue},
                      skin_name_);
    // Another skin's images must not be drawn from the decoded ones of the old skin.
    skin::ProcessImageCache().Clear();
    CarryOut(pages_.RebuildCurrentPage());
    SetForegroundWindow(window_);
    ShowWindow(window_, SW_SHOW);
    trace_.Trace("window shown");
}

void CPelmarDlg::ChooseDpiColour(int stage) {
    const std::size_t index = ZeroBased(stage);
    if (!DpiColourChoosable(profile_.working, index)) {
        return;
    }
    // The chooser runs without an owner and starts from black. The window takes no input
    // meanwhile: a Cancel or a page switch under the chooser would have its colour stored into
    // a record it no longer belongs to.
    EnableWindow(window_, FALSE);
    const std::optional<Rgb> chosen = skin::ChooseColourWithSystemChooser(nullptr);
    EnableWindow(window_, TRUE);
    if (!chosen) {
        return;
    }
    if (const std::optional<int> swatch = StoreDpiColour(profile_.working, index, *chosen)) {
        basic_controls_.Repaint(*swatch);
    }
}

void CPelmarDlg::OpenWebLink() {
    ShellExecuteW(nullptr, L"open", Utf8ToWide(kWebAddress).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

// The window moves with the pointer as if its caption were dragged. The non-client message
// takes the point in screen coordinates.
void CPelmarDlg::StartWindowDrag(ClientPoint point) {
    POINT screen{point.x, point.y};
    ClientToScreen(window_, &screen);
    PostMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

}  // namespace corvanti::win
