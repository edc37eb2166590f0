#include "platform/ui/Image.h"

#include "platform/ui/ChildStyle.h"

namespace brimdock {

void Image::Create(Control& parent, const Bounds& bounds) {
  width_ = bounds.width;
  height_ = bounds.height;
  CreateOwn(&parent, "", WS_VISIBLE, kChildExStyle, bounds);
  WindowDC screen(nullptr);
  bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), width_, height_));
  canvas_ = std::make_unique<MemoryDC>(screen.Get());
  selected_ = std::make_unique<SelectedObject>(canvas_->Get(), bitmap_.Get());
  RECT all{0, 0, width_, height_};
  FillRect(canvas_->Get(), &all, GetSysColorBrush(COLOR_BTNFACE));
}

void Image::Changed() {
  InvalidateRect(Handle(), nullptr, FALSE);
}

void Image::CopyTo(HDC dc, const RECT& target, POINT source) const {
  BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
         canvas_->Get(), source.x, source.y, SRCCOPY);
}

LRESULT Image::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintScope paint(Handle());
      CopyTo(paint.Dc(), RECT{0, 0, width_, height_}, POINT{0, 0});
      return 0;
    }
    default:
      return Control::WndProc(message, wParam, lParam);
  }
}

}  // namespace brimdock
