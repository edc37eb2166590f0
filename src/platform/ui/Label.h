#pragma once

#include <optional>

#include "platform/ui/Control.h"
#include "platform/ui/Font.h"

namespace brimdock {

enum class TextAlign { Left, Right, Centre };

// A static text on its parent's background.
class Label : public Control {
 public:
  void Create(Control& parent, std::string_view caption, const Bounds& bounds,
              TextAlign align = TextAlign::Left);
  // A font of the label's own (a title's bold face, say) instead of its parent's.
  void SetOwnFont(const FontSpec& font);
  void SetTextColor(Color color) { textColor_ = color; }
  // Whether "&" marks the next character as an accelerator (drawn underlined) or shows as is.
  void SetShowAccelChar(bool show);

 protected:
  HBRUSH OnControlColor(HDC dc) override;

 private:
  Font ownFont_;
  std::optional<Color> textColor_;
};

}  // namespace brimdock
