#include "platform/ui/ListBox.h"

namespace brimdock {

void ListBox::Create(Control& parent, const Bounds& bounds, const ListBoxOptions& options) {
  DWORD style =
      WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (options.tabStops) style |= LBS_USETABSTOPS;
  CreateStandard(parent, "LISTBOX", "", style, WS_EX_CLIENTEDGE, bounds);
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
}

void ListBox::Add(std::string_view text) {
  const std::string row(text);
  SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
}

void ListBox::Delete(int index) {
  SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void ListBox::Clear() {
  SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

void ListBox::Exchange(int first, int second) {
  const int selected = ItemIndex();
  const std::string a = Item(first);
  const std::string b = Item(second);
  SetItem(first, b);
  SetItem(second, a);
  SetItemIndex(selected);
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

}  // namespace brimdock
