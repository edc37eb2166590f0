#include "platform/Dialogs.h"

namespace brimdock {

// The colour, font and picture dialogs.

std::optional<Color> Win32Dialogs::PickColor(Color /*initial*/) {
  return std::nullopt;
}

std::optional<FontSpec> Win32Dialogs::PickFont(
    const FontSpec& /*initial*/, const std::function<void(const FontSpec&)>& /*apply*/) {
  return std::nullopt;
}

std::optional<std::string> Win32Dialogs::OpenPicture() {
  return std::nullopt;
}

}  // namespace brimdock
