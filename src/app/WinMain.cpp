// Brimdock Configuration: edits the settings of the Brimdock panel.

#include <windows.h>

#include "app/FormConfig.h"
#include "platform/Application.h"
#include "platform/Win32Registry.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  using namespace brimdock;
  OleSession ole;
  Application::Initialize();
  Win32Registry registry;
  Win32Dialogs dialogs;
  StartupOptions options;
  for (int i = 1; i <= Application::ArgumentCount(); ++i) {
    options.arguments.push_back(Application::Argument(i));
  }
  try {
    TFormConfig form(registry, dialogs, std::move(options));
    return Application::Run(form);
  } catch (const std::exception& error) {
    dialogs.ShowError(error.what());
    return 1;
  }
}
