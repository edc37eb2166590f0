#pragma once

#include <exception>
#include <functional>
#include <string>

#include "platform/ui/Container.h"
#include "platform/ui/Font.h"
#include "platform/ui/Hints.h"

namespace brimdock {

// A top-level window with a fixed dialog border and no buttons in its title bar, sized by its
// client area and centred on the screen when first shown.
class Form : public Container {
 public:
  using ErrorSink = std::function<void(const std::string& message)>;

  Form();
  ~Form() override;

  void CreateForm(std::string_view caption, int clientWidth, int clientHeight, Color color,
                  const FontSpec& font);
  void Show();
  // Closes the window: the close handler runs, then the window is destroyed.
  void Close();
  [[nodiscard]] Hints& Hints() { return hints_; }
  // The main form ends the message loop when its window is destroyed.
  void SetMainForm(bool isMain) { isMain_ = isMain; }
  // Where errors out of event handlers go; a message box when not set.
  void SetErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }
  void ReportError(const std::exception& error);
  // Moves the window so that its top edge lies at top (screen pixels) and stops centring it.
  void PlaceTopAt(int top);

  Handler onClose;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CentreOnScreen();

  class Hints hints_;
  Font font_;
  ErrorSink errorSink_;
  bool isMain_ = false;
  bool centreOnShow_ = true;
  bool closing_ = false;
};

}  // namespace brimdock
