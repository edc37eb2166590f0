#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Color.h"
#include "platform/ui/Font.h"

namespace brimdock {

// The answer to a Yes/No question; Closed when the box was closed from its title bar.
enum class Answer { Yes, No, Closed };

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
  // A one-line input box with OK and Cancel; Cancel gives the default text back.
  virtual std::string InputBox(const std::string& title, const std::string& prompt,
                               const std::string& defaultText) = 0;
  // A confirmation with Yes (the default button) and No; Escape answers No.
  virtual Answer Confirm(const std::string& question) = 0;
  // The "Select Directory" dialog starting in a folder; nothing when cancelled.
  virtual std::optional<std::string> SelectDirectory(const std::string& startFolder) = 0;
  // The open dialog for several existing files: their full paths, nothing when cancelled.
  virtual std::optional<std::vector<std::string>> OpenFiles() = 0;
  // The colour dialog starting at a colour (a system colour starts at its current value): the
  // chosen colour, nothing when cancelled.
  virtual std::optional<Color> PickColor(Color initial) = 0;
  // The font dialog with effects and an Apply button, starting at a font; apply runs with the
  // dialog's font at each press of Apply. The confirmed font, nothing when cancelled. An
  // exception from apply closes the dialog as cancelled and is thrown from here.
  virtual std::optional<FontSpec> PickFont(const FontSpec& initial,
                                           const std::function<void(const FontSpec&)>& apply) = 0;
  // The picture dialog: the chosen file's full path, nothing when cancelled.
  virtual std::optional<std::string> OpenPicture() = 0;
};

// The real dialogs of Windows.
class Win32Dialogs : public Dialogs {
 public:
  void SetOwner(HWND owner) override { owner_ = owner; }
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  std::string InputBox(const std::string& title, const std::string& prompt,
                       const std::string& defaultText) override;
  Answer Confirm(const std::string& question) override;
  std::optional<std::string> SelectDirectory(const std::string& startFolder) override;
  std::optional<std::vector<std::string>> OpenFiles() override;
  std::optional<Color> PickColor(Color initial) override;
  std::optional<FontSpec> PickFont(const FontSpec& initial,
                                   const std::function<void(const FontSpec&)>& apply) override;
  std::optional<std::string> OpenPicture() override;

 private:
  HWND owner_ = nullptr;
  // The colour dialog's custom colours, kept from one showing to the next; white at first.
  std::array<COLORREF, 16> customColors_ = WhiteCustomColors();

  static constexpr std::array<COLORREF, 16> WhiteCustomColors() {
    std::array<COLORREF, 16> colors{};
    colors.fill(RGB(255, 255, 255));
    return colors;
  }
};

}  // namespace brimdock
