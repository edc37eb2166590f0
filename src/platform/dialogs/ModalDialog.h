#pragma once

#include <windows.h>

#include <string>

#include "platform/dialogs/DialogTemplate.h"

namespace brimdock {

// The behaviour of one showing of a dialog: it receives the dialog's messages.
class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  DialogHandler() = default;
  DialogHandler(const DialogHandler&) = delete;
  DialogHandler& operator=(const DialogHandler&) = delete;

  // WM_INITDIALOG. The handler sets the focus itself.
  virtual void OnInit(HWND dialog) = 0;
  // Every later message; true when the handler dealt with it.
  virtual bool OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Shows the dialog modally and returns the value given to EndDialog. An exception that leaves
// the handler ends the dialog and is thrown again here; so is a dialog that cannot be made.
INT_PTR ShowModal(const DialogTemplate& dialogTemplate, HWND owner, DialogHandler& handler);

// The window that owns a dialog: the given one while it is visible, otherwise none.
HWND UsableOwner(HWND owner);

// Dialog units of the dialog's font, in pixels.
int DluToPixelsX(HWND dialog, int units);
int DluToPixelsY(HWND dialog, int units);

// Resizes the dialog so that its client area has this size, then centres it on its screen.
void SizeClientAndCentre(HWND dialog, int width, int height);

// The pixel size of a text drawn with a control's font and these DrawText flags, broken into
// lines of at most maxWidth pixels when the flags ask for it.
SIZE MeasureText(HWND control, const std::string& text, int maxWidth, UINT flags);

// The window text of a window (a control's text).
std::string WindowText(HWND window);

}  // namespace brimdock
