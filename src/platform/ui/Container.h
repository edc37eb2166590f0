#pragma once

#include "platform/GdiObjects.h"
#include "platform/ui/Control.h"

namespace brimdock {

// A window of this layer's own class that holds other controls: it paints its background,
// keeps the font its children take, and relays their notifications to them.
class Container : public Control {
 public:
  [[nodiscard]] Color BackgroundColor() const { return color_; }
  void SetBackgroundColor(Color color);

 protected:
  void CreateContainer(Control* parent, std::string_view text, DWORD style, DWORD exStyle,
                       const Bounds& bounds, Color color);
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  HBRUSH OnControlColor(HDC dc) override;
  // Draws what lies on the background (frames, bevels); the background is already filled.
  virtual void PaintBackground(HDC /*dc*/, const RECT& /*client*/) {}
  [[nodiscard]] HBRUSH BackgroundBrush();

 private:
  Color color_ = clBtnFace;
  BrushHandle brush_;
  HFONT font_ = nullptr;
};

}  // namespace brimdock
