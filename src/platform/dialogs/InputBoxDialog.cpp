#include "platform/Dialogs.h"
#include "platform/dialogs/ModalDialog.h"

namespace brimdock {
namespace {

constexpr int kPromptId = 100;
constexpr int kEditId = 101;
constexpr UINT kPromptFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

// The input box of the classic form library: a prompt above an edit, OK and Cancel below,
// 180 dialog units wide.
DialogTemplate InputBoxTemplate(const std::string& title, const std::string& prompt) {
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, {0, 0, 180, 63}, title);
  dialog.AddItem(ItemClass::Static, SS_LEFT | SS_NOPREFIX, {8, 8, 164, 8}, kPromptId, prompt);
  dialog.AddItem(ItemClass::Edit, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                 {8, 19, 164, 12}, kEditId, {}, WS_EX_CLIENTEDGE);
  dialog.AddItem(ItemClass::Button, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {38, 41, 50, 14},
                 IDOK, "OK");
  dialog.AddItem(ItemClass::Button, BS_PUSHBUTTON | WS_TABSTOP, {92, 41, 50, 14}, IDCANCEL,
                 "Cancel");
  return dialog;
}

class InputBoxHandler : public DialogHandler {
 public:
  InputBoxHandler(const std::string& prompt, const std::string& defaultText)
      : prompt_(prompt), answer_(defaultText) {}

  [[nodiscard]] const std::string& Text() const { return answer_; }

  void OnInit(HWND dialog) override {
    HWND edit = GetDlgItem(dialog, kEditId);
    SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);  // as long as the edit can hold
    SetWindowTextA(edit, answer_.c_str());
    Layout(dialog);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
  }

  bool OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) override {
    if (message != WM_COMMAND) return false;
    switch (LOWORD(wParam)) {
      case IDOK:
        answer_ = WindowText(GetDlgItem(dialog, kEditId));
        EndDialog(dialog, IDOK);
        return true;
      case IDCANCEL:  // Cancel, Escape and the close box
        EndDialog(dialog, IDCANCEL);
        return true;
      default:
        return false;
    }
  }

 private:
  // The prompt wraps within its width; the edit and the buttons move down under it.
  void Layout(HWND dialog) const {
    HWND promptLabel = GetDlgItem(dialog, kPromptId);
    const int left = DluToPixelsX(dialog, 8);
    const int promptTop = DluToPixelsY(dialog, 8);
    const int width = DluToPixelsX(dialog, 164);
    const SIZE prompt = MeasureText(promptLabel, prompt_, width, kPromptFormat);
    MoveWindow(promptLabel, left, promptTop, width, prompt.cy, FALSE);

    HWND edit = GetDlgItem(dialog, kEditId);
    RECT editRect{};
    GetWindowRect(edit, &editRect);
    const int editTop = promptTop + prompt.cy + 5;
    const int editHeight = editRect.bottom - editRect.top;
    MoveWindow(edit, left, editTop, width, editHeight, FALSE);

    const int buttonTop = editTop + editHeight + 15;
    const int buttonWidth = DluToPixelsX(dialog, 50);
    const int buttonHeight = DluToPixelsY(dialog, 14);
    MoveWindow(GetDlgItem(dialog, IDOK), DluToPixelsX(dialog, 38), buttonTop, buttonWidth,
               buttonHeight, FALSE);
    MoveWindow(GetDlgItem(dialog, IDCANCEL), DluToPixelsX(dialog, 92), buttonTop, buttonWidth,
               buttonHeight, FALSE);
    SizeClientAndCentre(dialog, DluToPixelsX(dialog, 180), buttonTop + buttonHeight + 13);
  }

  std::string prompt_;
  std::string answer_;
};

}  // namespace

std::string Win32Dialogs::InputBox(const std::string& title, const std::string& prompt,
                                   const std::string& defaultText) {
  InputBoxHandler handler(prompt, defaultText);
  const INT_PTR result = ShowModal(InputBoxTemplate(title, prompt), UsableOwner(owner_), handler);
  return result == IDOK ? handler.Text() : defaultText;
}

}  // namespace brimdock
