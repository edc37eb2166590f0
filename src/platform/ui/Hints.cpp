#include "platform/ui/Hints.h"

#include <commctrl.h>

#include <string>

#include "platform/ui/Control.h"

namespace brimdock {

Hints::~Hints() {
  if (tooltip_) DestroyWindow(tooltip_);
}

void Hints::Create(HWND owner) {
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  if (tooltip_) SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
}

void Hints::Update(Control& control) {
  if (!tooltip_ || !control.Handle()) return;
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control.Handle());
  tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (control.Hint().empty()) return;
  std::string text = control.Hint();
  tool.lpszText = text.data();
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace brimdock
