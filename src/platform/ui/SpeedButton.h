#pragma once

#include <functional>
#include <optional>

#include "platform/ui/Control.h"
#include "platform/ui/Font.h"

namespace brimdock {

enum class GlyphLayout { Top, Left };

// A flat push button that never takes the keyboard focus: only its caption (and picture) show
// until the pointer is on it; a sticky button can stay down. A click, by mouse or by the
// BM_CLICK message, runs onClick.
class SpeedButton : public Control {
 public:
  using GlyphPainter = std::function<void(HDC dc, const RECT& area, bool enabled)>;

  void Create(Control& parent, std::string_view caption, const Bounds& bounds);
  void SetGlyph(GlyphPainter painter, SIZE size, GlyphLayout layout);
  void SetCaptionColor(Color color);
  // A button whose picture says it all keeps its caption as window text but does not draw it.
  void SetCaptionDrawn(bool drawn);
  // A font of the button's own instead of its parent's.
  void SetOwnFont(const FontSpec& font);
  [[nodiscard]] const FontSpec& OwnFont() const { return font_.Description(); }
  // A sticky button drawn pressed while down.
  void SetDown(bool down);
  [[nodiscard]] bool Down() const { return down_; }
  // Paints what lies under the button (a picture it stands on) instead of the parent's colour.
  void SetBackdrop(std::function<void(HDC dc, const RECT& area)> backdrop);
  void Click();

  Handler onClick;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WORD code) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void SetHot(bool hot);
  [[nodiscard]] bool PointerInside(LPARAM lParam) const;

  GlyphPainter glyph_;
  SIZE glyphSize_{0, 0};
  GlyphLayout layout_ = GlyphLayout::Top;
  std::optional<Color> captionColor_;
  Font font_;
  bool ownFont_ = false;
  bool captionDrawn_ = true;
  bool down_ = false;
  bool hot_ = false;
  bool tracking_ = false;
  bool pressed_ = false;
  std::function<void(HDC, const RECT&)> backdrop_;
};

}  // namespace brimdock
