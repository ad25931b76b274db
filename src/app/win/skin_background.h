#pragma once

#include <string>

#include "app/win/win_owners.h"

namespace corvanti::win {

// Starts GDI+ for the life of the object (version 1, no debug callback, background thread and
// external codecs not suppressed).
class GdiplusSession {
  public:
    GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession();

  private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// A skin image decoded into a bitmap the window paints from; empty (0 by 0) when the file
// cannot be loaded.
struct BackgroundImage {
    UniqueBitmap bitmap;
    int width = 0;
    int height = 0;
};

BackgroundImage LoadBackgroundImage(const std::wstring& path);

}  // namespace corvanti::win
