#include "common/window/mem_dc.h"

CMemDC::CMemDC(HDC target, const RECT& rect)
    : target_(target),
      rect_(rect),
      buffer_(target),
      bitmap_(CreateCompatibleBitmap(target, rect.right - rect.left, rect.bottom - rect.top)) {
    selection_.emplace(buffer_, bitmap_.Get());
    SetWindowOrgEx(buffer_, rect.left, rect.top, nullptr);
}

CMemDC::~CMemDC() {
    BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
           buffer_, rect_.left, rect_.top, SRCCOPY);
    selection_.reset();
}
