#include "platform/ui/ListBox.h"

#include "platform/ui/ChildStyle.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/GdiObjects.h"

namespace brimdock {

unsigned CurrentShiftState() {
  const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  unsigned shift = 0;
  if (down(VK_SHIFT)) shift |= ssShift;
  if (down(VK_MENU)) shift |= ssAlt;
  if (down(VK_CONTROL)) shift |= ssCtrl;
  if (down(VK_LBUTTON)) shift |= ssLeft;
  if (down(VK_RBUTTON)) shift |= ssRight;
  if (down(VK_MBUTTON)) shift |= ssMiddle;
  return shift;
}

void ListBox::Create(Control& parent, const Bounds& bounds, const ListBoxOptions& options) {
  DWORD style =
      WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (options.tabStops) style |= LBS_USETABSTOPS;
  CreateStandard(parent, "LISTBOX", "", style, WS_EX_CLIENTEDGE | kChildExStyle, bounds);
  SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(options.itemHeight, 0));
}

int ListBox::Count() const {
  return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0));
}

std::string ListBox::Item(int index) const {
  const auto length = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const auto copied = SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  return text;
}

void ListBox::SetItem(int index, std::string_view text) {
  const int selected = ItemIndex();
  const std::string row(text);
  SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(row.c_str()));
  if (selected == index) SetItemIndex(selected);
  widestStale_ = true;
}

void ListBox::Add(std::string_view text) {
  const std::string row(text);
  SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  if (!widestStale_) widest_ = std::max(widest_, TextWidth(row));
}

void ListBox::Delete(int index) {
  SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  widestStale_ = true;
}

void ListBox::Clear() {
  SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
  widest_ = 0;
  widestStale_ = false;
}

void ListBox::Exchange(int first, int second) {
  const int selected = ItemIndex();
  const std::string a = Item(first);
  const std::string b = Item(second);
  SetItem(first, b);
  SetItem(second, a);
  SetItemIndex(selected);
}

int ListBox::WidestRowWidth() {
  if (widestStale_) {
    widest_ = 0;
    for (int i = 0; i < Count(); ++i) widest_ = std::max(widest_, TextWidth(Item(i)));
    widestStale_ = false;
  }
  return widest_;
}

int ListBox::ItemIndex() const {
  return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
  SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ListBox::TopIndex() const {
  return static_cast<int>(SendMessageA(Handle(), LB_GETTOPINDEX, 0, 0));
}

void ListBox::SetTopIndex(int index) {
  SendMessageA(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

int ListBox::ItemHeight() const {
  return static_cast<int>(SendMessageA(Handle(), LB_GETITEMHEIGHT, 0, 0));
}

int ListBox::HorizontalExtent() const {
  return static_cast<int>(SendMessageA(Handle(), LB_GETHORIZONTALEXTENT, 0, 0));
}

void ListBox::SetHorizontalExtent(int pixels) {
  SendMessageA(Handle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels), 0);
}

std::vector<std::string> ListBox::Items() const {
  std::vector<std::string> rows;
  const int count = Count();
  rows.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) rows.push_back(Item(i));
  return rows;
}

void ListBox::OnCommand(WORD code) {
  if (code == LBN_SELCHANGE && onClick) onClick(this);
}

void ListBox::BeginTracking(LPARAM lParam) {
  const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const auto hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
  if (HIWORD(hit) == 0) SetItemIndex(LOWORD(hit));
  SetFocus();
  SetCapture(Handle());
  tracking_ = true;
  dragging_ = false;
  pressedAt_ = p;
}

ListBox* ListBox::DropTargetAt(POINT screen, POINT& client) {
  auto* target = dynamic_cast<ListBox*>(FromHandle(WindowFromPoint(screen)));
  if (!target || !target->onDragOver) return nullptr;
  client = screen;
  ScreenToClient(target->Handle(), &client);
  return target->onDragOver(target, this, client.x, client.y) ? target : nullptr;
}

void ListBox::EndTracking(LPARAM lParam, bool drop) {
  const bool wasDragging = dragging_;
  tracking_ = false;
  dragging_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  if (!drop || !wasDragging) return;
  POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(Handle(), &screen);
  POINT client{};
  if (ListBox* target = DropTargetAt(screen, client); target && target->onDragDrop) {
    target->onDragDrop(target, this, client.x, client.y);
  }
}

LRESULT ListBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      if (automaticDrag_) {
        BeginTracking(lParam);
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      if (tracking_ && !dragging_) {
        const int dx = std::abs(GET_X_LPARAM(lParam) - pressedAt_.x);
        const int dy = std::abs(GET_Y_LPARAM(lParam) - pressedAt_.y);
        if (dx > GetSystemMetrics(SM_CXDRAG) || dy > GetSystemMetrics(SM_CYDRAG)) {
          dragging_ = true;
        }
      }
      if (dragging_) {
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(Handle(), &screen);
        POINT client{};
        SetCursor(LoadCursorA(
            nullptr, reinterpret_cast<LPCSTR>(DropTargetAt(screen, client) ? IDC_ARROW : IDC_NO)));
      }
      if (onMouseMove) onMouseMove(this, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_LBUTTONUP:
      if (tracking_) {
        EndTracking(lParam, true);
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      if (tracking_) EndTracking(0, false);
      break;
    case WM_KEYDOWN:
      if (dragging_ && wParam == VK_ESCAPE) {
        EndTracking(0, false);
        return 0;
      }
      break;
    case WM_KEYUP:
      if (onKeyUp) onKeyUp(this, static_cast<WORD>(wParam), CurrentShiftState());
      break;
    case WM_SETFONT:
      widestStale_ = true;
      break;
    default:
      break;
  }
  return Control::WndProc(message, wParam, lParam);
}

}  // namespace brimdock
