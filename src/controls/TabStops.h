#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace brimdock {

// A tab percentage out of range or out of order.
class EOrderException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Tab positions as percentages of a list's width, strictly increasing; unused entries are 0.
using TabPercentages = std::array<int, 10>;

// Reads a text such as "50" or "10, 20, 30" (blanks also separate). Throws the conversion
// error "'<text>' is not a valid integer value" or EOrderException; text after the tenth value
// is ignored.
TabPercentages ParseTabPercentages(std::string_view text);

// The values joined by ", ": the first always, then up to the first 0.
std::string FormatTabPercentages(const TabPercentages& percentages);

// The tab stops in dialog units for a list of the given width in pixels, with the horizontal
// dialog base unit in pixels; they end at the first percentage that is 0 or less.
std::vector<int> TabStopsInDialogUnits(const TabPercentages& percentages, int widthPixels,
                                       int baseUnit);

}  // namespace brimdock
