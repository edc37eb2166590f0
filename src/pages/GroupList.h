#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace brimdock {

// An icon group with its fast links. Link k is the pair (LinkNames[k], LinkPaths[k]); the two
// lists always have the same length.
struct TGroup {
  std::string Name;
  std::string Hint;
  std::vector<std::string> LinkPaths;
  std::vector<std::string> LinkNames;

  // Appends a link; it becomes the last one.
  void AddLink(std::string name, std::string path) {
    LinkPaths.push_back(std::move(path));
    LinkNames.push_back(std::move(name));
  }

  // Deletes link index (a valid index) from both lists.
  void DeleteLink(std::size_t index) {
    LinkPaths.erase(LinkPaths.begin() + static_cast<std::ptrdiff_t>(index));
    LinkNames.erase(LinkNames.begin() + static_cast<std::ptrdiff_t>(index));
  }

  friend bool operator==(const TGroup&, const TGroup&) = default;
};

// The icon groups in panel order; position 0 is stored as group 1. Counting, indexing, the last
// group and exchanging two positions go straight to List.
struct TGroupList {
  std::vector<std::unique_ptr<TGroup>> List;

  // Appends a new group without links and returns it.
  TGroup& Add(std::string name, std::string hint) {
    auto group = std::make_unique<TGroup>();
    group->Name = std::move(name);
    group->Hint = std::move(hint);
    List.push_back(std::move(group));
    return *List.back();
  }

  // Destroys the group at index (a valid index) with its links.
  void Delete(std::size_t index) { List.erase(List.begin() + static_cast<std::ptrdiff_t>(index)); }
};

}  // namespace brimdock
