#include <windows.h>
// windows.h first
#include <commdlg.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/Dialogs.h"
#include "platform/SystemFunction.h"
#include "platform/dialogs/ModalDialog.h"

namespace brimdock {
namespace {

// Room for any path the file system allows, far beyond MAX_PATH.
constexpr DWORD kPathBufferSize = 32 * 1024;

// The file types the background picture can be, each a caption and its patterns.
constexpr char kPictureTypes[] =
    "All (*.tga;*.bmp;*.ico;*.emf;*.wmf)|*.tga;*.bmp;*.ico;*.emf;*.wmf|"
    "Targa image (*.tga)|*.tga|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
    "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";

// A "|"-separated file-type list as the open dialog takes it: NUL-separated, two NULs at the end.
std::string FilterString(std::string list) {
  std::replace(list.begin(), list.end(), '|', '\0');
  list.append(2, '\0');
  return list;
}

}  // namespace

std::optional<std::string> Win32Dialogs::OpenPicture() {
  static const auto getOpenFileName =
      SystemFunction<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
  static const auto extendedError =
      SystemFunction<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
  const std::string filter = FilterString(kPictureTypes);
  std::string buffer(kPathBufferSize, '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = UsableOwner(owner_);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = kPathBufferSize;
  dialog.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (getOpenFileName(&dialog)) {
    buffer.resize(buffer.find('\0'));
    return buffer;
  }
  const DWORD error = extendedError();
  if (error == 0) return std::nullopt;  // cancelled
  throw std::runtime_error("The open dialog failed (error " + std::to_string(error) + ")");
}

}  // namespace brimdock
