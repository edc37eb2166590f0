#include "controls/TextBindings.h"

#include "lang/InterfaceTexts.h"
#include "lang/ShortText.h"
#include "platform/ui/GroupBox.h"

namespace brimdock {

std::string_view TextBindings::Bind(Control& control, int number, TextRole role, int item) {
  const std::string_view english = BuiltInText(number);
  bindings_.push_back(Binding{number, role, &control, item, std::string(english)});
  return english;
}

std::string_view TextBindings::Caption(Control& control, int number) {
  return Bind(control, number, TextRole::Caption);
}

std::string TextBindings::Hint(Control& control, int number) {
  return std::string(Bind(control, number, TextRole::Hint));
}

std::string_view TextBindings::GroupCaption(Control& box, int number) {
  return Bind(box, number, TextRole::GroupCaption);
}

std::string TextBindings::Item(RadioGroup& group, int item, int number) {
  return std::string(Bind(group, number, TextRole::Item, item));
}

void TextBindings::ApplyInterfaceTexts(const std::function<std::string(int number)>& text) {
  for (const InterfaceText& entry : InterfaceTexts()) {
    for (Binding& binding : bindings_) {
      if (binding.number != entry.number) continue;
      std::string value = text(entry.number);
      if (binding.role == TextRole::GroupCaption) value = lang::ShortText(" " + value + " ");
      if (value == binding.shown) continue;
      switch (binding.role) {
        case TextRole::Caption:
        case TextRole::GroupCaption:
          binding.control->SetCaption(value);
          break;
        case TextRole::Hint:
          binding.control->SetHint(value);
          break;
        case TextRole::Item:
          static_cast<RadioGroup*>(binding.control)->SetItem(binding.item, value);
          break;
      }
      binding.shown = std::move(value);
    }
  }
}

}  // namespace brimdock
