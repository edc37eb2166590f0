#pragma once

#include <string>
#include <vector>

namespace brimdock::testing {

// The names or the paths of folder buttons or links, in list order.
template <typename Entries>
std::vector<std::string> Names(const Entries& entries) {
  std::vector<std::string> names;
  for (const auto& entry : entries) names.push_back(entry.Name);
  return names;
}

template <typename Entries>
std::vector<std::string> Paths(const Entries& entries) {
  std::vector<std::string> paths;
  for (const auto& entry : entries) paths.push_back(entry.Path);
  return paths;
}

}  // namespace brimdock::testing
