#include "platform/Application.h"

#include <commctrl.h>

#include <cstdlib>

#include "platform/ui/Form.h"

#include <vector>

namespace brimdock {
namespace {

bool Dispatch(HWND dialogWindow, MSG& msg) {
  if (msg.message == WM_QUIT) return false;
  if (!dialogWindow || !IsDialogMessageA(dialogWindow, &msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

// The command line as the C runtime split it into words at start-up (ANSI texts). Reading the
// runtime's words keeps shell32 out of the start-up: under Wine it costs every start several
// milliseconds, and nothing else at start-up needs it.
std::vector<std::string> CommandLineWords() {
  if (!__argv) return {};
  return std::vector<std::string>(__argv, __argv + __argc);
}

}  // namespace

void Application::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

int Application::Run(Form& mainForm) {
  mainForm.SetMainForm(true);
  MSG msg{};
  // Terminate during start-up: the form never shows.
  if (terminated_) return 0;
  mainForm.Show();
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    HWND window = mainForm.Handle();
    Dispatch(window && IsWindow(window) ? window : nullptr, msg);
  }
  return static_cast<int>(msg.wParam);
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::ProcessMessages() {
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(GetActiveWindow(), msg);
  }
}

std::string Application::ExeName() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string Application::ExeFolder() {
  std::string path = ExeName();
  const auto slash = path.find_last_of("\\:");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string Application::Argument(int index) {
  const auto words = CommandLineWords();
  return index >= 0 && static_cast<size_t>(index) < words.size() ? words[index] : std::string();
}

int Application::ArgumentCount() {
  return static_cast<int>(CommandLineWords().size()) - 1;
}

}  // namespace brimdock
