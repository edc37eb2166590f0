#pragma once

#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace brimdock::testing {

// Dialogs that show nothing: they record what the window said.
class ScriptedDialogs : public Dialogs {
 public:
  void SetOwner(HWND owner) override { owner_ = owner; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { errors.push_back(text); }

  std::vector<std::string> messages;
  std::vector<std::string> errors;

 private:
  HWND owner_ = nullptr;
};

}  // namespace brimdock::testing
