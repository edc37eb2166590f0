#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brimdock {

class Control;
class RadioGroup;

// Where a control shows an Interface text of the language pack.
enum class TextRole {
  Caption,
  Hint,
  GroupCaption,  // a group box's caption: the text between two blanks, cut to 255
  Item,          // one item of a radio group
};

// The controls each Interface text goes on, recorded where the controls are created. Each
// binding gives back the built-in English, for the control to be created with.
class TextBindings {
 public:
  struct Binding {
    int number;
    TextRole role;
    Control* control;
    int item;  // the radio group's item, for TextRole::Item
    // What the binding put on the control last: at first the built-in English.
    std::string shown;
  };

  std::string_view Caption(Control& control, int number);
  std::string Hint(Control& control, int number);
  std::string_view GroupCaption(Control& box, int number);
  std::string Item(RadioGroup& group, int item, int number);

  // Puts text(number) on the bound controls, number by number in the order of the Interface
  // text table. A control that already shows the text is left alone.
  void ApplyInterfaceTexts(const std::function<std::string(int number)>& text);

  [[nodiscard]] const std::vector<Binding>& Bindings() const { return bindings_; }

 private:
  std::string_view Bind(Control& control, int number, TextRole role, int item = 0);

  std::vector<Binding> bindings_;
};

}  // namespace brimdock
