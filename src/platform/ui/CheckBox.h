#pragma once

#include "platform/ui/Control.h"

namespace brimdock {

// A check box. A click, by the user or by setting a new state from code, runs onClick.
class CheckBox : public Control {
 public:
  void Create(Control& parent, std::string_view caption, const Bounds& bounds);
  [[nodiscard]] bool Checked() const;
  void SetChecked(bool checked);

  Handler onClick;

 protected:
  void OnCommand(WORD code) override;
};

// A radio button. Choosing it, by a click or from code, clears the other radio buttons of its
// parent and runs onClick; choosing the one already chosen changes nothing.
class RadioButton : public Control {
 public:
  // Tab reaches a group of radio buttons through its chosen one; arrow keys move within it.
  void Create(Control& parent, std::string_view caption, const Bounds& bounds,
              bool startsGroup = false);
  [[nodiscard]] bool Checked() const;
  void SetChecked(bool checked);

  Handler onClick;

 protected:
  void OnCommand(WORD code) override;

 private:
  void TurnSiblingsOff();
  bool wasChecked_ = false;
};

}  // namespace brimdock
