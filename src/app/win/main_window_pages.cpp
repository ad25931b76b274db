// The main window's pages: carrying out the page plans, building each page and drawing onto
// the canvas.
#include "app/page_drawings.h"
#include "app/win/pelmar_dlg.h"
#include "settings/dpi_grid.h"

namespace corvanti::win {

void CPelmarDlg::CarryOut(const PagePlan& plan) {
    for (PageStep step : plan) {
        switch (step) {
            case PageStep::DestroyBasicPageControls:
                DestroyBasicPageControls();
                break;
            case PageStep::DestroyAdvancedPageControls:
            case PageStep::RemoveRecordingHook:
                // The macro panel takes its insert list and its recorder's hook along.
                macro_panel_->Destroy();
                break;
            case PageStep::RereadSettingsFile:
                LoadSettingsFile();
                break;
            case PageStep::RefreshSensorBlock:
                mouse_.SetUpOnFirstPage();
                break;
            case PageStep::WriteFirstRunCaptions:
                WriteFirstRunCaptions();
                break;
            case PageStep::BuildBasicPage:
                BuildBasicPage();
                break;
            case PageStep::BuildAdvancedPage:
                BuildAdvancedPage();
                break;
        }
    }
}

void CPelmarDlg::DestroyBasicPageControls() {
    basic_controls_.Carry(assignment_.CloseLists());
    basic_controls_.Destroy(lighting_->CloseLists());
    basic_controls_.DestroyAll();
}

void CPelmarDlg::WriteFirstRunCaptions() {
    captions_ = FirstRunCaptions(texts_);
    WriteCaptions(paths_.settings, texts_.Text(TextRole::SettingsSectionName), captions_);
    trace_.Trace("first-run captions written");
}

void CPelmarDlg::BuildBasicPage() {
    Draw(BasicPageDrawing(texts_, profile_.working, captions_, mouse_.sensor_type()));
    hover_.OnPageBuilt();
    basic_controls_.Carry(lighting_->SetUpPage());
    basic_controls_.CreateSwatches();
    trace_.Trace("basic page built");
}

void CPelmarDlg::BuildAdvancedPage() {
    Draw(AdvancedPageDrawing(texts_, pointer_.ShowPage()));
    hover_.OnPageBuilt();
    macro_panel_->Create();
    trace_.Trace("advanced page built");
}

void CPelmarDlg::Draw(const DrawList& steps) {
    if (!steps.empty()) {
        canvas_.Draw(window_, steps, Style());
    }
}

CanvasStyle CPelmarDlg::Style() const {
    return {skin_directory_, normal_font_.get(), title_font_.get(),
            RGB(text_colour_.red, text_colour_.green, text_colour_.blue)};
}

}  // namespace corvanti::win
