#pragma once

#include <string>

namespace brimdock {

class Control;
class Dialogs;
struct ProgramState;

// What a page needs of the window it lies on.
class PageContext {
 public:
  virtual ~PageContext() = default;

  // The modal dialogs of the window.
  virtual Dialogs& ModalDialogs() = 0;
  // Message text number n of the language pack.
  [[nodiscard]] virtual std::string MessageText(int number) const = 0;
  // The title of the input boxes: the window's caption.
  [[nodiscard]] virtual std::string InputBoxTitle() const = 0;
  // Marks the settings for the panel to refresh.
  virtual void NeedRefreshClick(Control* sender) = 0;
  // The program-wide state of the open window.
  virtual ProgramState& SharedState() = 0;

 protected:
  PageContext() = default;
  PageContext(const PageContext&) = default;
  PageContext& operator=(const PageContext&) = default;
};

}  // namespace brimdock
