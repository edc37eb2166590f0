#pragma once

#include "platform/ui/Container.h"

namespace brimdock {

// An etched line along the top edge of its area.
class BevelLine : public Container {
 public:
  void Create(Control& parent, const Bounds& bounds, Color color);

 protected:
  void PaintBackground(HDC dc, const RECT& client) override;
};

}  // namespace brimdock
