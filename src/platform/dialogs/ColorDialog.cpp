#include <windows.h>
// windows.h first
#include <commdlg.h>

#include <stdexcept>
#include <string>

#include "platform/Dialogs.h"
#include "platform/SystemFunction.h"
#include "platform/dialogs/ModalDialog.h"

namespace brimdock {

// The colour dialog as it first opens, without its colour mixer, starting at the colour's
// current red, green and blue. The custom colours the user defines stay for the next showing.
std::optional<Color> Win32Dialogs::PickColor(Color initial) {
  static const auto chooseColor =
      SystemFunction<decltype(&ChooseColorA)>("comdlg32.dll", "ChooseColorA");
  static const auto extendedError =
      SystemFunction<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = UsableOwner(owner_);
  dialog.rgbResult = ToColorRef(initial);
  dialog.lpCustColors = customColors_.data();
  dialog.Flags = CC_RGBINIT;
  if (chooseColor(&dialog)) return static_cast<Color>(dialog.rgbResult & 0xFFFFFFu);
  const DWORD error = extendedError();
  if (error == 0) return std::nullopt;  // cancelled
  throw std::runtime_error("The colour dialog failed (error " + std::to_string(error) + ")");
}

}  // namespace brimdock
