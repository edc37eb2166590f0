#pragma once

#include <span>
#include <string_view>

namespace brimdock {

// One Interface text of the configuration window: its number in a language pack and the
// English the window carries built in.
struct InterfaceText {
  int number;
  std::string_view english;
};

// Every Interface text the window uses, in the order the window applies them.
std::span<const InterfaceText> InterfaceTexts();

// The built-in English of an Interface text; empty for a number the window does not use.
std::string_view BuiltInText(int number);

}  // namespace brimdock
