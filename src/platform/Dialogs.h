#pragma once

#include <windows.h>

#include <string>

namespace brimdock {

// The modal dialogs the window shows. The window receives them through this interface, so that
// tests can script the answers.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  Dialogs() = default;
  Dialogs(const Dialogs&) = delete;
  Dialogs& operator=(const Dialogs&) = delete;

  // The window the dialogs belong to.
  virtual void SetOwner(HWND owner) = 0;
  // An information box with one OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // The report of an error that left an event handler.
  virtual void ShowError(const std::string& text) = 0;
};

// The real dialogs of Windows.
class Win32Dialogs : public Dialogs {
 public:
  void SetOwner(HWND owner) override { owner_ = owner; }
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace brimdock
