#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/CheckBox.h"
#include "platform/ui/Container.h"

namespace brimdock {

// A framed area with a caption on its frame, holding other controls; their positions are
// relative to the box.
class GroupBox : public Container {
 public:
  // The caption is the window text, drawn on the frame.
  void Create(Control& parent, std::string_view caption, const Bounds& bounds, Color color);

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintBackground(HDC dc, const RECT& client) override;
};

// A group box of radio buttons laid out in columns; one item is selected at a time.
class RadioGroup : public GroupBox {
 public:
  void Create(Control& parent, std::string_view caption, const Bounds& bounds, Color color,
              const std::vector<std::string>& items, int columns);
  // The selected item, or -1.
  [[nodiscard]] int ItemIndex() const;
  // Selects an item from code; a change runs onClick, as a click does.
  void SetItemIndex(int index);
  [[nodiscard]] int ItemCount() const { return static_cast<int>(buttons_.size()); }
  [[nodiscard]] std::string Item(int index) const;
  void SetItem(int index, std::string_view text);
  [[nodiscard]] RadioButton& ItemButton(int index) { return *buttons_.at(index); }

  Handler onClick;

 private:
  void UpdateTabStop();
  std::vector<std::unique_ptr<RadioButton>> buttons_;
};

}  // namespace brimdock
