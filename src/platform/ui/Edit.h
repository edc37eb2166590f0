#pragma once

#include "platform/ui/Control.h"

namespace brimdock {

// A one-line text field; maxLength 0 means no limit. A change of its text, typed or set from
// code, runs onChange.
class Edit : public Control {
 public:
  void Create(Control& parent, const Bounds& bounds, int maxLength = 0);
  [[nodiscard]] std::string Text() const { return Caption(); }
  void SetText(std::string_view text) { SetCaption(text); }
  [[nodiscard]] int MaxLength() const;

  Handler onChange;

 protected:
  void OnCommand(WORD code) override;
};

}  // namespace brimdock
