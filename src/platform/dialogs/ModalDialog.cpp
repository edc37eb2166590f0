#include "platform/dialogs/ModalDialog.h"

#include <exception>
#include <stdexcept>

#include "platform/GdiObjects.h"

namespace brimdock {
namespace {

struct Session {
  DialogHandler* handler = nullptr;
  std::exception_ptr error;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  auto* session = reinterpret_cast<Session*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!session || session->error) return FALSE;
  try {
    if (message == WM_INITDIALOG) {
      session->handler->OnInit(dialog);
      return FALSE;  // the handler has set the focus
    }
    return session->handler->OnMessage(dialog, message, wParam, lParam) ? TRUE : FALSE;
  } catch (...) {
    session->error = std::current_exception();
    EndDialog(dialog, -1);
    return TRUE;
  }
}

}  // namespace

INT_PTR ShowModal(const DialogTemplate& dialogTemplate, HWND owner, DialogHandler& handler) {
  Session session{&handler, nullptr};
  const INT_PTR result =
      DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate.Get(), owner, &DialogProc,
                              reinterpret_cast<LPARAM>(&session));
  if (session.error) std::rethrow_exception(session.error);
  if (result == -1) {
    throw std::runtime_error("Cannot show a dialog (error " + std::to_string(GetLastError()) + ")");
  }
  return result;
}

HWND UsableOwner(HWND owner) {
  return owner && IsWindowVisible(owner) ? owner : nullptr;
}

int DluToPixelsX(HWND dialog, int units) {
  RECT rect{0, 0, units, 0};
  MapDialogRect(dialog, &rect);
  return rect.right;
}

int DluToPixelsY(HWND dialog, int units) {
  RECT rect{0, 0, 0, units};
  MapDialogRect(dialog, &rect);
  return rect.bottom;
}

void SizeClientAndCentre(HWND dialog, int width, int height) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
  const int frameWidth = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const int left = work.left + (work.right - work.left - frameWidth) / 2;
  const int top = work.top + (work.bottom - work.top - frameHeight) / 2;
  SetWindowPos(dialog, nullptr, left > work.left ? left : work.left,
               top > work.top ? top : work.top, frameWidth, frameHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE MeasureText(HWND control, const std::string& text, int maxWidth, UINT flags) {
  const WindowDC dc(control);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  const SelectedObject selected(dc.Get(), font);
  RECT rect{0, 0, maxWidth, 0};
  DrawTextA(dc.Get(), text.empty() ? " " : text.c_str(), text.empty() ? 1 : -1, &rect,
            flags | DT_CALCRECT);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace brimdock
