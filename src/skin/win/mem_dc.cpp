#include "skin/win/mem_dc.h"

namespace corvanti::skin {

namespace {

bool IsEmpty(const RECT& r) {
    return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0;
}

}  // namespace

CMemDC::CMemDC(HDC target, const RECT& rect) : target_(target), dc_(target) {
    if (target == nullptr || GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) {
        return;
    }
    HDC memory = CreateCompatibleDC(target);
    if (memory == nullptr) {
        return;
    }
    rect_ = rect;
    if (IsEmpty(rect_)) {
        GetClipBox(target, &rect_);
    }
    bitmap_ = CreateCompatibleBitmap(target, rect_.right - rect_.left, rect_.bottom - rect_.top);
    previous_bitmap_ = SelectObject(memory, bitmap_);
    SetWindowOrgEx(memory, rect_.left, rect_.top, nullptr);
    dc_ = memory;
    is_memory_ = true;
}

void CMemDC::UseBitmap(HBITMAP bitmap) {
    if (is_memory_ && bitmap != nullptr) {
        SelectObject(dc_, bitmap);
    }
}

CMemDC::~CMemDC() {
    if (!is_memory_) {
        return;
    }
    BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, dc_,
           rect_.left, rect_.top, SRCCOPY);
    SelectObject(dc_, previous_bitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

}  // namespace corvanti::skin
