#pragma once

#include <windows.h>

namespace corvanti::skin {

// Double buffer over a target context: drawing goes to a memory context, and destruction
// copies the covered rectangle to the target. On a printer it draws on the target directly.
class CMemDC {
  public:
    // An empty rectangle (all zero) covers the target's clip box.
    CMemDC(HDC target, const RECT& rect);
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
    ~CMemDC();

    // The context to draw on.
    HDC dc() const { return dc_; }
    const RECT& rect() const { return rect_; }
    bool is_memory() const { return is_memory_; }

    // Draws into this bitmap instead of the buffer's own for the rest of the object's life;
    // destruction then copies from it.
    void UseBitmap(HBITMAP bitmap);

  private:
    HDC target_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_bitmap_ = nullptr;
    RECT rect_{};
    bool is_memory_ = false;
};

}  // namespace corvanti::skin
