#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/client_rect.h"
#include "common/user_messages.h"
#include "common/win/dialog_thunk.h"
#include "common/win/handle_owners.h"
#include "skin/child_colours.h"
#include "skin/dialog_texts.h"
#include "skin/dropdown_list_state.h"
#include "skin/frame_hover.h"
#include "skin/keyboard_filter.h"
#include "skin/skin_context.h"
#include "skin/skin_dialogs.h"
#include "skin/win/message_box.h"

namespace corvanti::skin {

// The drop-down list of a dialog: a sunken value box showing the current choice, the trigger
// (value box plus the arrow drawn in the background), the list created below it while open,
// and the controls that are disabled meanwhile.
struct DropdownListSpec {
    int value_box_id = 0;
    ClientRect value_box;
    bool value_box_centred = false;
    DropdownGeometry geometry;
    int list_id = 0;
    std::vector<int> disabled_while_open;
    // The mouse wheel scrolls the open list three lines per notch.
    bool wheel_scrolls = false;
};

// What sets one dialog's frame apart from the others.
struct FrameOptions {
    KeyFilter key_filter = KeyFilter::kStandard;
    // F1 shows nothing (the key is captured instead).
    bool answers_help = false;
    ChildColourRule child_colours;
    std::optional<DropdownListSpec> dropdown;
};

// The frame every secondary dialog shares: a background image that sizes the window, OK,
// Cancel and a close cross drawn from skin images with hover feedback, child colours,
// keyboard filtering and an optional drop-down list. A dialog derives from it and adds its
// own texts, controls and drawing through the protected hooks.
class SkinnedDialogFrame {
  public:
    // messages: where load failures go; null shows message boxes owned by the dialog.
    SkinnedDialogFrame(SkinDialogKind kind, const SkinContext& context, FrameOptions options,
                       UserMessages* messages = nullptr);
    SkinnedDialogFrame(const SkinnedDialogFrame&) = delete;
    SkinnedDialogFrame& operator=(const SkinnedDialogFrame&) = delete;
    virtual ~SkinnedDialogFrame();

    // Runs the dialog modally from its template resource; returns the end code (1 OK,
    // 2 Cancel) or -1 when the dialog could not be created.
    INT_PTR Run(HWND owner, HINSTANCE instance);
    // The same from an in-memory template.
    INT_PTR RunIndirect(HWND owner, const DLGTEMPLATE* dialog_template);

    HWND hwnd() const { return hwnd_; }
    bool has_background() const { return static_cast<bool>(background_); }
    const FrameHoverState& hover() const { return hover_; }
    bool list_open() const { return list_state_.IsOpen(); }
    HWND list_window() const { return list_window_; }
    const std::string& choice_text() const { return choice_text_; }
    int choice_index() const { return choice_index_; }

  protected:
    // Step 5: the dialog's own texts, after OK and Cancel.
    virtual void SetLanguageTexts(Language /*language*/) {}
    // Step 6: child controls and hooks; the result is returned from the initialisation.
    virtual bool CreateControls() { return true; }
    // The dialog's own drawing, between the OK/Cancel labels and the close cross.
    virtual void DrawOwn(HDC /*dc*/) {}
    // The entries of the drop-down list, read each time it opens.
    virtual std::vector<std::string> ListEntries() { return {}; }
    // A list entry was chosen (after the frame took it as the current choice).
    virtual void OnListChoice(int /*index*/, const std::string& /*text*/) {}
    // A click that the frame, the list and the trigger did not end.
    virtual void OnOwnClick(ClientPoint /*p*/) {}
    // Any other message; set handled to stop the frame's default.
    virtual INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam, bool& handled);
    // A colour request for a child control; the default follows the options.
    virtual HBRUSH OnChildColour(HDC dc, HWND child, ChildKind kind);

    // Ends the modal run with this code once the current message is handled.
    void EndWith(int result);
    // The current choice text shown in the value box.
    void SetChoiceText(const std::string& text) { choice_text_ = text; }

    // Drawing helpers for the hooks: an image of the skin and a label in the dialog font.
    bool DrawSkinImage(HDC dc, std::string_view name, int x, int y);
    void DrawLabel(HDC dc, std::string_view text, ClientRect rect, UINT format, COLORREF colour);
    // A label wrapped into lines, the block of lines centred vertically in the area;
    // alignment places the lines (DT_LEFT or DT_CENTER).
    void DrawWrappedLabel(HDC dc, std::string_view text, ClientRect area, UINT alignment,
                          COLORREF colour);
    // One drawing cycle: draw on the canvas, then show the whole client area. Nothing happens
    // without a background.
    void DrawOnCanvas(const std::function<void(HDC)>& draw);

    const SkinContext& context() const { return context_; }
    const std::string& skin_path() const { return skin_path_; }
    HFONT font() const { return font_.get(); }
    HBRUSH child_brush() const { return child_brush_.get(); }
    UserMessages& messages() { return *messages_; }
    COLORREF text_colour() const;

  private:
    friend struct win::DialogThunk<SkinnedDialogFrame>;
    static LRESULT CALLBACK MessageFilter(int code, WPARAM wparam, LPARAM lparam);
    INT_PTR OnAttach(HWND hwnd);
    INT_PTR Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR RunWithFilter(HWND owner, HINSTANCE instance, const DLGTEMPLATE* dialog_template);
    bool PreTranslate(const MSG& msg);

    BOOL OnInitDialog();
    bool LoadBackground();
    void CreateDialogFont();
    void CreateDropdownFont();
    HFONT DropdownFont() const { return dropdown_font_ ? dropdown_font_.get() : font_.get(); }
    void CreateValueBox();
    void PaintFrame(HDC target);
    void DrawFrameButton(HDC dc, FrameButtonDraw draw);
    void DrawHoverStep(const FrameHoverStep& step);
    void OnLeftButtonDown(ClientPoint p);
    void OnTriggerClick();
    void CloseList();
    void OnListNotification(WORD notification);
    void OnMouseWheel(int delta);
    void FollowCursorInList();
    void DrawOverBackground(HDC canvas_dc, ClientRect area);

    SkinDialogKind kind_;
    SkinContext context_;
    FrameOptions options_;
    MessageBoxMessages own_messages_;
    UserMessages* messages_;

    HWND hwnd_ = nullptr;
    std::string skin_path_;
    // The decoded background, kept untouched, and the canvas the frame draws on. Every
    // button is drawn over a fresh copy of its area, so images with soft edges do not pile up.
    win::UniqueBitmap background_;
    win::UniqueBitmap canvas_;
    SIZE background_size_{};
    DialogFontChoice font_choice_;
    win::UniqueFont font_;
    // The value box's and the list's, fitted to the entries; none while the dialog
    // font fits.
    win::UniqueFont dropdown_font_;
    win::UniqueBrush child_brush_;
    OkCancelTexts ok_cancel_;
    FrameHoverState hover_;

    DropdownListState list_state_;
    HWND list_window_ = nullptr;
    HWND value_box_ = nullptr;
    std::string choice_text_;
    int choice_index_ = 0;
};

// An empty dialog template as the program's resources hold them: popup, thin border, clip
// children, no caption, 200 by 150 dialog units. Kept as words, aligned for the dialog calls.
std::vector<WORD> EmptyDialogTemplate();

}  // namespace corvanti::skin
