#include "controls/Tablist.h"

#include "platform/ui/Font.h"

namespace brimdock {

void TTabListBox::Create(Control& parent, const Bounds& bounds, std::string_view tabPercentages) {
  ListBox::Create(parent, bounds, ListBoxOptions{.tabStops = true});
  SetTabPercentages(tabPercentages);
}

std::string TTabListBox::TabPercentages() const {
  return FormatTabPercentages(percentages_);
}

void TTabListBox::SetTabPercentages(std::string_view text) {
  percentages_ = ParseTabPercentages(text);
  ApplyTabStops();
}

void TTabListBox::SetBounds(const Bounds& bounds) {
  const int width = BoundsInParent().width;
  ListBox::SetBounds(bounds);
  if (bounds.width != width) ApplyTabStops();
}

void TTabListBox::ApplyTabStops() {
  if (!Handle()) return;
  const int baseUnit = LOWORD(GetDialogBaseUnits());
  stops_ = TabStopsInDialogUnits(percentages_, BoundsInParent().width, baseUnit);
  // The list turns dialog units into pixels with the font it has when the stops arrive: they
  // are measured with the default font, whatever font the rows use.
  const HFONT rowFont = FontHandle();
  Font defaultFont;
  SetFont(defaultFont.Handle());
  SendMessageA(Handle(), LB_SETTABSTOPS, stops_.size(),
               stops_.empty() ? 0 : reinterpret_cast<LPARAM>(stops_.data()));
  SetFont(rowFont);
  InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace brimdock
