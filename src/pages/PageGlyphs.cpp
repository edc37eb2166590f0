#include "pages/PageGlyphs.h"

#include "platform/GdiObjects.h"

namespace brimdock {
namespace {

COLORREF Shade(COLORREF color, bool enabled) {
  return enabled ? color : RGB(160, 160, 160);
}

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF frame) {
  BrushHandle brush(CreateSolidBrush(fill));
  PenHandle pen(CreatePen(PS_SOLID, 1, frame));
  SelectedObject b(dc, brush.Get());
  SelectedObject p(dc, pen.Get());
  Rectangle(dc, left, top, right, bottom);
}

void Folder(HDC dc, int x, int y, int width, int height, bool enabled) {
  const COLORREF fill = Shade(RGB(240, 200, 80), enabled);
  const COLORREF frame = Shade(RGB(120, 90, 20), enabled);
  FillBox(dc, x, y, x + width / 2, y + height / 4 + 1, fill, frame);
  FillBox(dc, x, y + height / 5, x + width, y + height, fill, frame);
}

}  // namespace

void PaintAppearanceGlyph(HDC dc, const RECT& a, bool enabled) {
  // A screen with a bar along its bottom edge.
  FillBox(dc, a.left + 2, a.top + 3, a.right - 2, a.bottom - 7, Shade(RGB(90, 160, 230), enabled),
          RGB(30, 30, 30));
  FillBox(dc, a.left + 4, a.bottom - 13, a.right - 4, a.bottom - 9,
          Shade(RGB(200, 200, 200), enabled), RGB(60, 60, 60));
  FillBox(dc, a.left + 12, a.bottom - 7, a.right - 12, a.bottom - 4, RGB(60, 60, 60),
          RGB(30, 30, 30));
}

void PaintFoldersGlyph(HDC dc, const RECT& a, bool enabled) {
  Folder(dc, a.left + 2, a.top + 5, 28, 22, enabled);
}

void PaintIconsGlyph(HDC dc, const RECT& a, bool enabled) {
  const COLORREF colors[] = {RGB(220, 70, 70), RGB(70, 170, 70), RGB(70, 110, 220),
                             RGB(230, 180, 40)};
  for (int i = 0; i < 4; ++i) {
    const int x = a.left + 3 + (i % 2) * 14;
    const int y = a.top + 3 + (i / 2) * 14;
    FillBox(dc, x, y, x + 12, y + 12, Shade(colors[i], enabled), RGB(30, 30, 30));
  }
}

void PaintClipboardGlyph(HDC dc, const RECT& a, bool enabled) {
  FillBox(dc, a.left + 5, a.top + 4, a.right - 5, a.bottom - 1, Shade(RGB(180, 130, 70), enabled),
          RGB(80, 50, 20));
  FillBox(dc, a.left + 8, a.top + 8, a.right - 8, a.bottom - 4, RGB(255, 255, 255),
          RGB(120, 120, 120));
  FillBox(dc, a.left + 11, a.top + 1, a.right - 11, a.top + 7, Shade(RGB(150, 150, 150), enabled),
          RGB(60, 60, 60));
  PenHandle pen(CreatePen(PS_SOLID, 1, RGB(120, 120, 120)));
  SelectedObject p(dc, pen.Get());
  for (int y = a.top + 12; y < a.bottom - 6; y += 4) {
    MoveToEx(dc, a.left + 10, y, nullptr);
    LineTo(dc, a.right - 10, y);
  }
}

void PaintAboutGlyph(HDC dc, const RECT& a, bool enabled) {
  BrushHandle brush(CreateSolidBrush(Shade(RGB(60, 110, 200), enabled)));
  PenHandle pen(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
  SelectedObject b(dc, brush.Get());
  SelectedObject p(dc, pen.Get());
  Ellipse(dc, a.left, a.top, a.right, a.bottom);
  BrushHandle white(CreateSolidBrush(RGB(255, 255, 255)));
  RECT dot{a.left + 7, a.top + 3, a.left + 9, a.top + 5};
  FillRect(dc, &dot, white.Get());
  RECT stem{a.left + 7, a.top + 6, a.left + 9, a.top + 13};
  FillRect(dc, &stem, white.Get());
}

void PaintFolderTreeGlyph(HDC dc, const RECT& a, bool enabled) {
  Folder(dc, a.left + 1, a.top + 3, 14, 11, enabled);
}

}  // namespace brimdock
