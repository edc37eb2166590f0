#include <algorithm>

#include "platform/Dialogs.h"
#include "platform/dialogs/ModalDialog.h"

namespace brimdock {
namespace {

constexpr int kIconId = 100;
constexpr int kTextId = 101;
// Results that EndDialog hands back; Escape arrives as IDCANCEL and answers No.
constexpr INT_PTR kClosedFromTitleBar = 1000;
// The text wraps like a multi-line edit, so that a long path breaks instead of widening the box.
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL;

DialogTemplate ConfirmTemplate(const std::string& question) {
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, {0, 0, 120, 60},
                        "Confirm");
  dialog.AddItem(ItemClass::Static, SS_ICON, {8, 8, 21, 20}, kIconId);
  dialog.AddItem(ItemClass::Static, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, {40, 8, 72, 8}, kTextId,
                 question);
  dialog.AddItem(ItemClass::Button, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {8, 40, 50, 14},
                 IDYES, "&Yes");
  dialog.AddItem(ItemClass::Button, BS_PUSHBUTTON | WS_TABSTOP, {62, 40, 50, 14}, IDNO, "&No");
  return dialog;
}

class ConfirmHandler : public DialogHandler {
 public:
  explicit ConfirmHandler(const std::string& question) : question_(question) {}

  void OnInit(HWND dialog) override {
    SendDlgItemMessageA(dialog, kIconId, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_QUESTION)), 0);
    Layout(dialog);
    SetFocus(GetDlgItem(dialog, IDYES));
  }

  bool OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) override {
    if (message == WM_CLOSE) {
      EndDialog(dialog, kClosedFromTitleBar);
      return true;
    }
    if (message != WM_COMMAND) return false;
    switch (LOWORD(wParam)) {
      case IDYES:
      case IDNO:
        EndDialog(dialog, LOWORD(wParam));
        return true;
      case IDCANCEL:  // Escape
        EndDialog(dialog, IDNO);
        return true;
      default:
        return false;
    }
  }

 private:
  // The message box layout of the classic form library: the icon and the text side by side
  // with margins of 8 and spacings of 10 dialog units, the buttons centred beneath.
  void Layout(HWND dialog) const {
    const int marginX = DluToPixelsX(dialog, 8);
    const int marginY = DluToPixelsY(dialog, 8);
    const int spacingX = DluToPixelsX(dialog, 10);
    const int spacingY = DluToPixelsY(dialog, 10);
    const int buttonWidth = DluToPixelsX(dialog, 50);
    const int buttonHeight = DluToPixelsY(dialog, 14);
    const int buttonGap = DluToPixelsX(dialog, 4);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);

    HWND textLabel = GetDlgItem(dialog, kTextId);
    const SIZE text =
        MeasureText(textLabel, question_, GetSystemMetrics(SM_CXSCREEN) / 2, kTextFormat);
    MoveWindow(GetDlgItem(dialog, kIconId), marginX, marginY, iconWidth, iconHeight, FALSE);
    MoveWindow(textLabel, marginX + iconWidth + spacingX, marginY, text.cx, text.cy, FALSE);

    const int buttonsWidth = 2 * buttonWidth + buttonGap;
    const int clientWidth =
        std::max<int>(iconWidth + spacingX + text.cx, buttonsWidth) + 2 * marginX;
    const int buttonTop = marginY + std::max<int>(iconHeight, text.cy) + spacingY;
    const int buttonLeft = (clientWidth - buttonsWidth) / 2;
    MoveWindow(GetDlgItem(dialog, IDYES), buttonLeft, buttonTop, buttonWidth, buttonHeight, FALSE);
    MoveWindow(GetDlgItem(dialog, IDNO), buttonLeft + buttonWidth + buttonGap, buttonTop,
               buttonWidth, buttonHeight, FALSE);
    SizeClientAndCentre(dialog, clientWidth, buttonTop + buttonHeight + marginY);
  }

  std::string question_;
};

}  // namespace

Answer Win32Dialogs::Confirm(const std::string& question) {
  ConfirmHandler handler(question);
  switch (ShowModal(ConfirmTemplate(question), UsableOwner(owner_), handler)) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    default:
      return Answer::Closed;
  }
}

}  // namespace brimdock
