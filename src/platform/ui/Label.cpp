#include "platform/ui/Label.h"

#include "platform/ui/ChildStyle.h"

#include "platform/ui/Container.h"

namespace brimdock {

void Label::Create(Control& parent, std::string_view caption, const Bounds& bounds,
                   TextAlign align) {
  DWORD style = WS_VISIBLE | SS_NOTIFY;
  style |= align == TextAlign::Right ? SS_RIGHT : align == TextAlign::Centre ? SS_CENTER : SS_LEFT;
  CreateStandard(parent, "STATIC", caption, style, kChildExStyle, bounds);
}

void Label::SetOwnFont(const FontSpec& font) {
  ownFont_.Assign(font);
  SetFont(ownFont_.Handle());
}

HBRUSH Label::OnControlColor(HDC dc) {
  if (!textColor_) return nullptr;
  ::SetTextColor(dc, ToColorRef(*textColor_));
  return nullptr;
}

}  // namespace brimdock
