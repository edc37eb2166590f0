#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace brimdock {

// A fast link: the name the panel shows and the file it starts.
struct TLink {
  std::string Name;
  std::string Path;

  friend bool operator==(const TLink&, const TLink&) = default;
};

// An icon group with its fast links in panel order.
struct TGroup {
  std::string Name;
  std::string Hint;
  std::vector<TLink> Links;

  // Appends a link; it becomes the last one.
  void AddLink(std::string name, std::string path) {
    Links.push_back(TLink{std::move(name), std::move(path)});
  }

  // Deletes link index (a valid index).
  void DeleteLink(std::size_t index) {
    Links.erase(Links.begin() + static_cast<std::ptrdiff_t>(index));
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
