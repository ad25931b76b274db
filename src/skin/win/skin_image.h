#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "common/user_messages.h"
#include "common/win/handle_owners.h"

namespace corvanti::skin {

// Starts GDI+ for the life of the object; image decoding needs it.
class GdiplusSession {
  public:
    GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession();

  private:
    ULONG_PTR token_ = 0;
};

// One decoded skin image as a top-down 32-bit DIB section. With alpha its colours are
// premultiplied, ready for AlphaBlend; without, it is copied as it is.
struct DecodedImage {
    win::UniqueBitmap bitmap;
    int width = 0;
    int height = 0;
    bool has_alpha = false;
};

// Decodes any format the platform decoder reads; empty when the file cannot be loaded.
std::optional<DecodedImage> DecodeImage(const std::wstring& path);

// Draws the whole image with its top-left corner at (x, y), at its own size.
void DrawDecodedImage(HDC dc, const DecodedImage& image, int x, int y);

// Decoded images by path, so a redraw does not read and decode the file again. Callers clear
// it when the skin changes; a path of another skin never matches anyway.
class SkinImageCache {
  public:
    // Decodes on the first request; null when the file cannot be loaded (not remembered, so a
    // file that appears later is found).
    const DecodedImage* Get(const std::wstring& path);
    void Clear() { images_.clear(); }
    std::size_t size() const { return images_.size(); }

  private:
    std::map<std::wstring, std::unique_ptr<DecodedImage>> images_;
};

// The cache LoadPng draws from while enabled (the default). Disabled, every draw reads the
// file anew. Clear it when the skin changes.
SkinImageCache& ProcessImageCache();
void EnableImageCache(bool enabled);
bool ImageCacheEnabled();

// Draws one image file at (x, y) as LoadPng does, through the cache while it is enabled, but
// silently: false when the file cannot be loaded. The main window leaves such a spot as it was.
bool DrawImageFile(HDC dc, const std::wstring& path, int x, int y);

inline constexpr std::string_view kLoadPngFailureText = "LoadPng---Load image failed.";

// Draws one image file at (x, y): premultiplied per-pixel alpha for 32-bit images, a plain
// copy otherwise. A file that cannot be loaded is reported to the user (the application title
// as caption) and skipped. False without a context or an image.
bool LoadPng(HDC dc, const std::wstring& path, int x, int y, UserMessages& messages);

}  // namespace corvanti::skin
