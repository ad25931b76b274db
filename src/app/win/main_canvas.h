#pragma once

#include <windows.h>

#include <string>

#include "skin/draw_list.h"
#include "skin/win/skin_image.h"

namespace corvanti::win {

// What a draw list needs besides its steps: the skin the image names are appended to, the two
// fonts and the text colour.
struct CanvasStyle {
    std::string skin_directory;  // UTF-8, no trailing separator
    HFONT normal_font = nullptr;
    HFONT title_font = nullptr;
    COLORREF text_colour = 0;
};

// Carries out draw steps on a device context: images at their natural size (a missing file
// leaves its spot as it was), labels in the text colour on a transparent background.
void ExecuteDrawList(HDC dc, const DrawList& steps, const CanvasStyle& style);

// The main window's persistent canvas: a copy of the skin's "main.png" that every drawing goes
// onto and stays on until overdrawn. WM_ERASEBKGND shows it; it keeps its size for the run.
class MainCanvas {
  public:
    // Takes the decoded background as the canvas; an empty image leaves no canvas.
    void Adopt(skin::DecodedImage background) { canvas_ = std::move(background); }
    bool valid() const { return static_cast<bool>(canvas_.bitmap); }
    int width() const { return canvas_.width; }
    int height() const { return canvas_.height; }

    // One drawing cycle: draws the steps onto the canvas, then copies the whole client area
    // to the window. Nothing happens without a canvas.
    void Draw(HWND window, const DrawList& steps, const CanvasStyle& style);
    // Copies the canvas to `dc` (the erase of the window's background).
    void CopyTo(HDC dc) const;
    // The canvas as a bitmap, for a screenshot of what the window shows.
    HBITMAP bitmap() const { return canvas_.bitmap.get(); }

  private:
    skin::DecodedImage canvas_;
};

}  // namespace corvanti::win
