#include "platform/ui/Hints.h"

#include <commctrl.h>

#include <string>

#include "platform/ui/Control.h"

namespace brimdock {
namespace {

TTTOOLINFOA ToolOf(HWND window) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(window);
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  return tool;
}

}  // namespace

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
  Remove(control.Handle());
  if (control.Hint().empty()) return;
  TTTOOLINFOA tool = ToolOf(control.Handle());
  std::string text = control.Hint();
  tool.lpszText = text.data();
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Hints::Remove(HWND window) {
  if (!tooltip_ || !IsWindow(tooltip_)) return;
  TTTOOLINFOA tool = ToolOf(window);
  SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace brimdock
