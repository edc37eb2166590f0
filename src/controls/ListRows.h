#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace brimdock {

// The entry that index trades places with when moved one place up or down, or nothing at the
// ends of the list and for no index at all.
inline std::optional<int> MoveRowTarget(int count, int index, bool up) {
  if (index < 0) return std::nullopt;
  if (up && index > 0) return index - 1;
  if (!up && index < count - 1) return index + 1;
  return std::nullopt;
}

// Exchanges an entry of a list with its neighbour above or below, as MoveRowTarget says.
template <typename Exchange>
void MoveRow(int count, int index, bool up, Exchange exchange) {
  if (const auto target = MoveRowTarget(count, index, up)) exchange(index, *target);
}

template <typename T>
void MoveRow(std::vector<T>& list, int index, bool up) {
  MoveRow(static_cast<int>(list.size()), index, up, [&list](int a, int b) {
    std::swap(list[static_cast<size_t>(a)], list[static_cast<size_t>(b)]);
  });
}

// The row of a list under a point y pixels below the top of its client area: with row height
// h and first visible row top, slot a covers a·h < y < (a + 1)·h, both strict, so the first
// pixel line of a slot and everything below the last row hit nothing.
inline std::optional<int> RowAt(int y, int rowHeight, int topIndex, int count) {
  if (rowHeight <= 0 || y <= 0 || topIndex < 0) return std::nullopt;
  const int slot = y / rowHeight;
  if (y == slot * rowHeight) return std::nullopt;
  const long long row = static_cast<long long>(topIndex) + slot;
  if (row >= count) return std::nullopt;
  return static_cast<int>(row);
}

}  // namespace brimdock
