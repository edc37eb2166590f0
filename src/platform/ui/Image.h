#pragma once

#include <memory>

#include "platform/GdiObjects.h"
#include "platform/ui/Control.h"

namespace brimdock {

// A picture of the control's own size, drawn on through Canvas() and shown as it is.
class Image : public Control {
 public:
  void Create(Control& parent, const Bounds& bounds);
  // A device context holding the picture; call Changed() after drawing on it.
  [[nodiscard]] HDC Canvas() const { return canvas_ ? canvas_->Get() : nullptr; }
  void Changed();
  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  // Copies part of the picture, in its own coordinates, to a device context.
  void CopyTo(HDC dc, const RECT& target, POINT source) const;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int width_ = 0;
  int height_ = 0;
  BitmapHandle bitmap_;
  std::unique_ptr<MemoryDC> canvas_;
  std::unique_ptr<SelectedObject> selected_;
};

}  // namespace brimdock
