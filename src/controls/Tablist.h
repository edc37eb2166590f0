#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls/TabStops.h"
#include "platform/ui/ListBox.h"

namespace brimdock {

// A list box whose rows' tab characters jump to stops given as percentages of its width, so
// the columns keep their proportions when the list is resized.
class TTabListBox : public ListBox {
 public:
  void Create(Control& parent, const Bounds& bounds, std::string_view tabPercentages);
  [[nodiscard]] std::string TabPercentages() const;
  // Throws on a bad text and then keeps the stops it had.
  void SetTabPercentages(std::string_view text);
  // Recomputes the stops when the width changes.
  void SetBounds(const Bounds& bounds) override;
  // The stops last sent to the list, in dialog units.
  [[nodiscard]] const std::vector<int>& TabStops() const { return stops_; }

 private:
  void ApplyTabStops();

  brimdock::TabPercentages percentages_{};
  std::vector<int> stops_;
};

}  // namespace brimdock
