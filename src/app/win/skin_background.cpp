#include "app/win/skin_background.h"

// GDI+ needs the min and max templates of the standard library in scope.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <objidl.h>
// after objidl.h, which it needs
#include <gdiplus.h>

namespace corvanti::win {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;  // version 1, nothing suppressed
    started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
    if (started_) {
        Gdiplus::GdiplusShutdown(token_);
    }
}

BackgroundImage LoadBackgroundImage(const std::wstring& path) {
    BackgroundImage image;
    Gdiplus::Bitmap decoded(path.c_str());
    if (decoded.GetLastStatus() != Gdiplus::Ok) {
        return image;
    }
    HBITMAP bitmap = nullptr;
    if (decoded.GetHBITMAP(Gdiplus::Color(0, 0, 0), &bitmap) != Gdiplus::Ok) {
        return image;
    }
    image.bitmap.Reset(bitmap);
    image.width = static_cast<int>(decoded.GetWidth());
    image.height = static_cast<int>(decoded.GetHeight());
    return image;
}

}  // namespace corvanti::win
