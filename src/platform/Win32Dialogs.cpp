#include "platform/Dialogs.h"

#include "platform/Application.h"
#include "platform/dialogs/ModalDialog.h"

namespace brimdock {
namespace {

// Message boxes carry the program's name as their title, as the form library did.
std::string ApplicationTitle() {
  std::string name = Application::ExeName();
  const auto slash = name.find_last_of("\\:");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const auto dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace

void Win32Dialogs::ShowMessage(const std::string& text) {
  MessageBoxA(UsableOwner(owner_), text.c_str(), ApplicationTitle().c_str(),
              MB_OK | MB_ICONINFORMATION);
}

void Win32Dialogs::ShowError(const std::string& text) {
  MessageBoxA(UsableOwner(owner_), text.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace brimdock
