#include "platform/ui/GroupBox.h"

namespace brimdock {

void GroupBox::Create(Control& parent, std::string_view caption, const Bounds& bounds,
                      Color color) {
  CreateContainer(&parent, caption, WS_VISIBLE, 0, bounds, color);
}

LRESULT GroupBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Container::WndProc(message, wParam, lParam);
  if (message == WM_SETTEXT) InvalidateRect(Handle(), nullptr, TRUE);
  return result;
}

void GroupBox::PaintBackground(HDC dc, const RECT& client) {
  SelectedObject font(dc, FontHandle());
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT frame = client;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

  const std::string caption = Caption();
  if (caption.empty()) return;
  SIZE size{};
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  RECT text{8, 0, 8 + size.cx, metrics.tmHeight};
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, ToColorRef(BackgroundColor()));
  SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextA(dc, caption.c_str(), -1, &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void RadioGroup::Create(Control& parent, std::string_view caption, const Bounds& bounds,
                        Color color, const std::vector<std::string>& items, int columns) {
  GroupBox::Create(parent, caption, bounds, color);
  const int count = static_cast<int>(items.size());
  const int perColumn = columns > 0 ? (count + columns - 1) / columns : count;
  const int columnWidth = (bounds.width - 16) / (columns > 0 ? columns : 1);
  const int rowArea = bounds.height - 20;
  const int rowHeight = perColumn > 0 ? rowArea / perColumn : rowArea;
  for (int i = 0; i < count; ++i) {
    const int column = perColumn > 0 ? i / perColumn : 0;
    const int row = perColumn > 0 ? i % perColumn : 0;
    auto button = std::make_unique<RadioButton>();
    button->Create(*this, items[i],
                   Bounds{8 + column * columnWidth, 15 + row * rowHeight, columnWidth, rowHeight},
                   i == 0);
    button->onClick = [this](Control*) {
      UpdateTabStop();
      if (onClick) onClick(this);
    };
    buttons_.push_back(std::move(button));
  }
  UpdateTabStop();
}

void RadioGroup::UpdateTabStop() {
  // Tab reaches the group through its chosen item only.
  const int chosen = ItemIndex();
  for (int i = 0; i < ItemCount(); ++i) {
    HWND button = buttons_[i]->Handle();
    auto style = GetWindowLongPtrA(button, GWL_STYLE);
    style = (i == chosen || (chosen < 0 && i == 0)) ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    SetWindowLongPtrA(button, GWL_STYLE, style);
  }
}

int RadioGroup::ItemIndex() const {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->Checked()) return static_cast<int>(i);
  }
  return -1;
}

void RadioGroup::SetItemIndex(int index) {
  if (index < 0 || index >= ItemCount()) {
    for (auto& button : buttons_) button->SetChecked(false);
    UpdateTabStop();
    return;
  }
  buttons_[index]->SetChecked(true);
}

std::string RadioGroup::Item(int index) const {
  return buttons_.at(index)->Caption();
}

void RadioGroup::SetItem(int index, std::string_view text) {
  buttons_.at(index)->SetCaption(text);
}

}  // namespace brimdock
