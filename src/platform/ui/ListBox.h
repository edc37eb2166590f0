#pragma once

#include <string>
#include <vector>

#include "platform/ui/Control.h"

namespace brimdock {

struct ListBoxOptions {
  bool tabStops = false;  // tab characters in rows jump to the list's tab stops
  int itemHeight = 13;
};

// A list of text rows with a selection, a vertical and a horizontal scroll bar. Rows keep the
// height they are given and the list keeps the height it is given.
class ListBox : public Control {
 public:
  void Create(Control& parent, const Bounds& bounds, const ListBoxOptions& options = {});

  [[nodiscard]] int Count() const;
  [[nodiscard]] std::string Item(int index) const;
  void SetItem(int index, std::string_view text);
  void Add(std::string_view text);
  void Delete(int index);
  void Clear();
  // Exchanges two rows; the selected index stays where it was.
  void Exchange(int first, int second);
  [[nodiscard]] int ItemIndex() const;
  void SetItemIndex(int index);
  [[nodiscard]] int TopIndex() const;
  void SetTopIndex(int index);
  [[nodiscard]] int ItemHeight() const;
  [[nodiscard]] int HorizontalExtent() const;
  void SetHorizontalExtent(int pixels);
  [[nodiscard]] std::vector<std::string> Items() const;

  // The selection changed by the user.
  Handler onClick;

 protected:
  void OnCommand(WORD code) override;
};

}  // namespace brimdock
