#include <windows.h>
// windows.h first
#include <commdlg.h>

#include <stdexcept>

#include "platform/Dialogs.h"
#include "platform/SystemFunction.h"
#include "platform/dialogs/ModalDialog.h"
#include "platform/dialogs/OpenFileNames.h"

namespace brimdock {
namespace {

constexpr DWORD kFirstBufferSize = 64 * 1024;
constexpr DWORD kLargestBufferSize = 16 * 1024 * 1024;

}  // namespace

std::optional<std::vector<std::string>> Win32Dialogs::OpenFiles() {
  static const auto getOpenFileName =
      SystemFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
  static const auto extendedError =
      SystemFunction<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
  // A choice too long for the buffer shows the dialog again with a larger one.
  for (DWORD size = kFirstBufferSize;; size *= 2) {
    std::string buffer(size, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = UsableOwner(owner_);
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = size;
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                   OFN_FILEMUSTEXIST;
    if (getOpenFileName(&dialog)) return SplitOpenFileNames(buffer);
    const DWORD error = extendedError();
    if (error == 0) return std::nullopt;  // cancelled
    if (error != FNERR_BUFFERTOOSMALL || size >= kLargestBufferSize) {
      throw std::runtime_error("The open dialog failed (error " + std::to_string(error) + ")");
    }
  }
}

}  // namespace brimdock
