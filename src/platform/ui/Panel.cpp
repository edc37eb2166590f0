#include "platform/ui/Panel.h"

namespace brimdock {
namespace {

void DrawBevel(HDC dc, RECT& r, Bevel3D bevel) {
  if (bevel == Bevel3D::None) return;
  const UINT edge = bevel == Bevel3D::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
  DrawEdge(dc, &r, edge, BF_RECT | BF_ADJUST);
}

}  // namespace

void Panel::Create(Control& parent, const Bounds& bounds, Color color, Bevel3D outer,
                   Bevel3D inner) {
  outer_ = outer;
  inner_ = inner;
  CreateContainer(&parent, "", WS_VISIBLE, 0, bounds, color);
}

void Panel::PaintBackground(HDC dc, const RECT& client) {
  RECT r = client;
  DrawBevel(dc, r, outer_);
  DrawBevel(dc, r, inner_);
}

}  // namespace brimdock
