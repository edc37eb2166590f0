#include "platform/ui/CheckBox.h"

#include "platform/ui/ChildStyle.h"

namespace brimdock {
namespace {

bool IsChecked(HWND button) {
  return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetCheck(HWND button, bool checked) {
  SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

void CheckBox::Create(Control& parent, std::string_view caption, const Bounds& bounds) {
  CreateStandard(parent, "BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                 kChildExStyle, bounds);
}

bool CheckBox::Checked() const {
  return IsChecked(Handle());
}

void CheckBox::SetChecked(bool checked) {
  if (Checked() == checked) return;
  SetCheck(Handle(), checked);
  if (onClick) onClick(this);
}

void CheckBox::OnCommand(WORD code) {
  if (code == BN_CLICKED && onClick) onClick(this);
}

void RadioButton::Create(Control& parent, std::string_view caption, const Bounds& bounds,
                         bool startsGroup) {
  const DWORD group = startsGroup ? WS_GROUP : 0;
  CreateStandard(parent, "BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON | group,
                 kChildExStyle, bounds);
}

bool RadioButton::Checked() const {
  return IsChecked(Handle());
}

void RadioButton::TurnSiblingsOff() {
  for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == Handle()) continue;
    if (auto* radio = dynamic_cast<RadioButton*>(FromHandle(sibling))) {
      SetCheck(sibling, false);
      radio->wasChecked_ = false;
    }
  }
}

void RadioButton::SetChecked(bool checked) {
  if (wasChecked_ == checked && Checked() == checked) return;
  SetCheck(Handle(), checked);
  wasChecked_ = checked;
  if (!checked) return;
  TurnSiblingsOff();
  if (onClick) onClick(this);
}

void RadioButton::OnCommand(WORD code) {
  // Windows has already checked this button and cleared its siblings; only a change counts.
  if (code != BN_CLICKED || !Checked() || wasChecked_) return;
  wasChecked_ = true;
  TurnSiblingsOff();
  if (onClick) onClick(this);
}

}  // namespace brimdock
