#include "platform/ui/BevelLine.h"

namespace brimdock {

void BevelLine::Create(Control& parent, const Bounds& bounds, Color color) {
  CreateContainer(&parent, "", WS_VISIBLE, 0, bounds, color);
}

void BevelLine::PaintBackground(HDC dc, const RECT& client) {
  RECT line = client;
  line.bottom = line.top + 2;
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

}  // namespace brimdock
