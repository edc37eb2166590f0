#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Control.h"

namespace brimdock {

struct ListBoxOptions {
  bool tabStops = false;  // tab characters in rows jump to the list's tab stops
  int itemHeight = 13;
};

// The keys and mouse buttons held while a key is released.
enum ShiftState : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
};

// A list of text rows with a selection, a vertical and a horizontal scroll bar. Rows keep the
// height they are given and the list keeps the height it is given. It keeps the width of its
// widest row up to date as rows are added, one measurement per row.
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
  // The width of the widest row (0 for none).
  [[nodiscard]] int WidestRowWidth();

  // Pressing the mouse on a row selects it and starts dragging it once the mouse moves.
  void SetAutomaticDrag(bool on) { automaticDrag_ = on; }
  [[nodiscard]] bool Dragging() const { return dragging_; }

  // The selection changed by the user.
  Handler onClick;
  std::function<void(Control* sender, int x, int y)> onMouseMove;
  std::function<void(Control* sender, WORD key, unsigned shift)> onKeyUp;
  // A drag from source is over this list, at client point x, y: may it be dropped here?
  std::function<bool(Control* sender, Control* source, int x, int y)> onDragOver;
  std::function<void(Control* sender, Control* source, int x, int y)> onDragDrop;

 protected:
  void OnCommand(WORD code) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void BeginTracking(LPARAM lParam);
  void EndTracking(LPARAM lParam, bool drop);
  [[nodiscard]] ListBox* DropTargetAt(POINT screen, POINT& client);

  int widest_ = 0;
  bool widestStale_ = false;
  bool automaticDrag_ = false;
  bool tracking_ = false;
  bool dragging_ = false;
  POINT pressedAt_{};
};

// The keys and mouse buttons held now.
unsigned CurrentShiftState();

}  // namespace brimdock
