#include <windows.h>
// windows.h first
#include <commdlg.h>
#include <dlgs.h>

#include <exception>
#include <stdexcept>
#include <string>

#include "platform/Dialogs.h"
#include "platform/GdiObjects.h"
#include "platform/SystemFunction.h"
#include "platform/dialogs/ModalDialog.h"

namespace brimdock {
namespace {

// The window property that leads the hook from the dialog to its showing.
constexpr char kSessionProperty[] = "Brimdock.FontDialog";

// One showing of the font dialog.
struct FontSession {
  const FontSpec& initial;
  const std::function<void(const FontSpec&)>& apply;
  int pixelsPerInch;
  std::exception_ptr error;  // thrown by apply, thrown again once the dialog has gone
};

int ScreenPixelsPerInch() {
  const WindowDC screen(nullptr);
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

// The dialog knows only red, green and blue: a system colour the user kept stays a system colour.
Color FontColor(COLORREF chosen, Color initial) {
  const COLORREF rgb = chosen & 0xFFFFFFu;
  return ToColorRef(initial) == rgb ? initial : static_cast<Color>(rgb);
}

// The font the dialog shows now, in the colour its colour box shows.
FontSpec ShownFont(HWND dialog, const FontSession& session) {
  LOGFONTA logFont{};
  SendMessageA(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&logFont));
  COLORREF rgb = ToColorRef(session.initial.color);
  const LRESULT selected = SendDlgItemMessageA(dialog, cmb4, CB_GETCURSEL, 0, 0);
  if (selected != CB_ERR) {
    rgb = static_cast<COLORREF>(
        SendDlgItemMessageA(dialog, cmb4, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
  }
  return FromLogFont(logFont, FontColor(rgb, session.initial.color), session.pixelsPerInch);
}

// Runs apply at each press of Apply. An exception from apply is kept for PickFont, and the
// dialog closes as cancelled; an OK pressed meanwhile is ignored.
UINT_PTR CALLBACK FontHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* chooseFont = reinterpret_cast<const CHOOSEFONTA*>(lParam);
    SetPropA(dialog, kSessionProperty, reinterpret_cast<HANDLE>(chooseFont->lCustData));
    return TRUE;
  }
  auto* session = static_cast<FontSession*>(GetPropA(dialog, kSessionProperty));
  if (!session) return FALSE;
  if (message == WM_DESTROY) {
    RemovePropA(dialog, kSessionProperty);
    return FALSE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (session->error) return LOWORD(wParam) == IDOK ? TRUE : FALSE;
  if (LOWORD(wParam) != psh3 || HIWORD(wParam) != BN_CLICKED) return FALSE;
  try {
    if (session->apply) session->apply(ShownFont(dialog, *session));
  } catch (...) {
    session->error = std::current_exception();
    // A hook must not end the dialog itself: Cancel ends it. (Wine ignores IDABORT here.)
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  }
  return TRUE;
}

}  // namespace

std::optional<FontSpec> Win32Dialogs::PickFont(const FontSpec& initial,
                                               const std::function<void(const FontSpec&)>& apply) {
  static const auto chooseFont =
      SystemFunction<decltype(&ChooseFontA)>("comdlg32.dll", "ChooseFontA");
  static const auto extendedError =
      SystemFunction<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
  FontSession session{initial, apply, ScreenPixelsPerInch(), nullptr};
  LOGFONTA logFont = ToLogFont(initial, session.pixelsPerInch);
  CHOOSEFONTA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = UsableOwner(owner_);
  dialog.lpLogFont = &logFont;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_APPLY | CF_ENABLEHOOK;
  dialog.rgbColors = ToColorRef(initial.color);
  dialog.lCustData = reinterpret_cast<LPARAM>(&session);
  dialog.lpfnHook = &FontHook;
  const BOOL chosen = chooseFont(&dialog);
  if (session.error) std::rethrow_exception(session.error);
  if (chosen) {
    return FromLogFont(logFont, FontColor(dialog.rgbColors, initial.color), session.pixelsPerInch);
  }
  const DWORD error = extendedError();
  if (error == 0) return std::nullopt;  // cancelled
  throw std::runtime_error("The font dialog failed (error " + std::to_string(error) + ")");
}

}  // namespace brimdock
