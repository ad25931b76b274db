#include "skin/win/skin_image.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

// The GDI+ headers use min and max unqualified, which the build keeps out of the global
// namespace.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "skin/premultiply.h"

namespace corvanti::skin {

namespace {

// On by default: a full page decoded from disk at every draw takes several times longer than
// drawing it from memory.
bool cache_enabled = true;

// A top-down 32-bit DIB section of the given size; bits receives its pixels.
HBITMAP CreateTopDownDib(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// Copies the decoder's rows into the DIB, premultiplying when the image carries alpha.
bool CopyPixels(Gdiplus::Bitmap& source, DecodedImage& image, void* bits) {
    Gdiplus::Rect all(0, 0, image.width, image.height);
    Gdiplus::BitmapData data{};
    const Gdiplus::PixelFormat format =
        image.has_alpha ? PixelFormat32bppARGB : PixelFormat32bppRGB;
    if (source.LockBits(&all, Gdiplus::ImageLockModeRead, format, &data) != Gdiplus::Ok) {
        return false;
    }
    const auto row_bytes = static_cast<std::size_t>(image.width) * 4;
    auto* target = static_cast<std::uint8_t*>(bits);
    const auto* rows = static_cast<const std::uint8_t*>(data.Scan0);
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(target + static_cast<std::size_t>(y) * row_bytes,
                    rows + static_cast<std::ptrdiff_t>(y) * data.Stride, row_bytes);
    }
    source.UnlockBits(&data);
    if (image.has_alpha) {
        PremultiplyPixels(std::span(target, row_bytes * static_cast<std::size_t>(image.height)));
    }
    return true;
}

void ShowLoadFailure(UserMessages& messages) {
    messages.ShowMessage(kLoadPngFailureText, kApplicationTitle);
}

}  // namespace

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

GdiplusSession::~GdiplusSession() {
    if (token_ != 0) {
        Gdiplus::GdiplusShutdown(token_);
    }
}

std::optional<DecodedImage> DecodeImage(const std::wstring& path) {
    Gdiplus::Bitmap source(path.c_str());
    if (source.GetLastStatus() != Gdiplus::Ok) {
        return std::nullopt;
    }
    DecodedImage image;
    image.width = static_cast<int>(source.GetWidth());
    image.height = static_cast<int>(source.GetHeight());
    const Gdiplus::PixelFormat format = source.GetPixelFormat();
    image.has_alpha =
        Gdiplus::GetPixelFormatSize(format) == 32 && Gdiplus::IsAlphaPixelFormat(format) != FALSE;
    if (image.width <= 0 || image.height <= 0) {
        return std::nullopt;
    }
    void* bits = nullptr;
    image.bitmap.Reset(CreateTopDownDib(image.width, image.height, &bits));
    if (!image.bitmap || bits == nullptr || !CopyPixels(source, image, bits)) {
        return std::nullopt;
    }
    return image;
}

void DrawDecodedImage(HDC dc, const DecodedImage& image, int x, int y) {
    win::UniqueMemoryDc source(CreateCompatibleDC(dc));
    if (!source) {
        return;
    }
    win::ScopedSelection select(source.get(), image.bitmap.get());
    if (image.has_alpha) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, x, y, image.width, image.height, source.get(), 0, 0, image.width,
                   image.height, blend);
    } else {
        BitBlt(dc, x, y, image.width, image.height, source.get(), 0, 0, SRCCOPY);
    }
}

const DecodedImage* SkinImageCache::Get(const std::wstring& path) {
    if (auto found = images_.find(path); found != images_.end()) {
        return found->second.get();
    }
    std::optional<DecodedImage> decoded = DecodeImage(path);
    if (!decoded) {
        return nullptr;
    }
    auto stored = std::make_unique<DecodedImage>(std::move(*decoded));
    const DecodedImage* result = stored.get();
    images_.emplace(path, std::move(stored));
    return result;
}

SkinImageCache& ProcessImageCache() {
    static SkinImageCache cache;
    return cache;
}

void EnableImageCache(bool enabled) {
    cache_enabled = enabled;
    if (!enabled) {
        ProcessImageCache().Clear();
    }
}

bool ImageCacheEnabled() {
    return cache_enabled;
}

bool DrawImageFile(HDC dc, const std::wstring& path, int x, int y) {
    if (dc == nullptr) {
        return false;
    }
    if (cache_enabled) {
        const DecodedImage* image = ProcessImageCache().Get(path);
        if (image == nullptr) {
            return false;
        }
        DrawDecodedImage(dc, *image, x, y);
        return true;
    }
    std::optional<DecodedImage> image = DecodeImage(path);
    if (!image) {
        return false;
    }
    DrawDecodedImage(dc, *image, x, y);
    return true;
}

bool LoadPng(HDC dc, const std::wstring& path, int x, int y, UserMessages& messages) {
    if (dc == nullptr) {
        return false;
    }
    if (!DrawImageFile(dc, path, x, y)) {
        ShowLoadFailure(messages);
        return false;
    }
    return true;
}

}  // namespace corvanti::skin
