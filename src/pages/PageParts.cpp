#include "pages/PageParts.h"

#include <string>

#include "controls/TextBindings.h"
#include "platform/GdiObjects.h"

namespace brimdock {
namespace {

constexpr char kUpArrow[] = "\xAD";
constexpr char kDownArrow[] = "\xAF";
constexpr SIZE kArrowSize{9, 5};

// The arrow as a triangle, since not every Symbol font has the arrow characters.
void PaintArrow(HDC dc, const RECT& area, bool enabled, bool up) {
  const COLORREF color = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
  BrushHandle brush(CreateSolidBrush(color));
  PenHandle pen(CreatePen(PS_SOLID, 1, color));
  SelectedObject b(dc, brush.Get());
  SelectedObject p(dc, pen.Get());
  const int mid = area.left + kArrowSize.cx / 2;
  const POINT points[] = {
      {mid, up ? area.top : area.bottom - 1},
      {area.left, up ? area.bottom - 1 : area.top},
      {area.left + kArrowSize.cx - 1, up ? area.bottom - 1 : area.top},
  };
  Polygon(dc, points, 3);
}

}  // namespace

void CreatePageTitle(NotebookPage& page, Label& title, BevelLine& line, TextBindings& texts,
                     int number) {
  title.Create(page, texts.Caption(title, number), Bounds{0, 0, 397, 16}, TextAlign::Centre);
  FontSpec bold;
  bold.size = 10;  // 13 pixels high
  bold.bold = true;
  title.SetOwnFont(bold);
  line.Create(page, Bounds{0, 16, 397, 6}, page.BackgroundColor());
}

void CreateArrowButton(Control& parent, SpeedButton& button, bool up, const Bounds& bounds,
                       TextBindings& texts, int hintNumber) {
  button.Create(parent, up ? kUpArrow : kDownArrow, bounds);
  FontSpec symbol;
  symbol.charset = SYMBOL_CHARSET;
  symbol.name = "Symbol";
  symbol.size = 10;
  symbol.color = clWindowText;
  button.SetOwnFont(symbol);
  button.SetCaptionDrawn(false);
  button.SetGlyph(
      [up](HDC dc, const RECT& area, bool enabled) { PaintArrow(dc, area, enabled, up); },
      kArrowSize, GlyphLayout::Top);
  button.SetHint(texts.Hint(button, hintNumber));
}

}  // namespace brimdock
