#pragma once

#include "platform/ui/Container.h"

namespace brimdock {

enum class Bevel3D { None, Raised, Lowered };

// A rectangular area with an optional outer and inner bevel, holding other controls.
class Panel : public Container {
 public:
  void Create(Control& parent, const Bounds& bounds, Color color, Bevel3D outer,
              Bevel3D inner = Bevel3D::None);

 protected:
  void PaintBackground(HDC dc, const RECT& client) override;

 private:
  Bevel3D outer_ = Bevel3D::Raised;
  Bevel3D inner_ = Bevel3D::None;
};

}  // namespace brimdock
