#pragma once

#include <string>
#include <string_view>

namespace brimdock {

// A row of the folder and link lists: the name, a space, a tab, a space and the path. Rows are
// always built from the lists, never split back.
inline std::string TwoColumnRow(std::string_view name, std::string_view path) {
  std::string row;
  row.reserve(name.size() + 3 + path.size());
  row.append(name).append(" \t ").append(path);
  return row;
}

}  // namespace brimdock
