#pragma once

#include <string>
#include <vector>

namespace brimdock {

// A folder-menu button: its caption and the folder whose menu it opens.
struct FolderButton {
  std::string Name;
  std::string Path;

  friend bool operator==(const FolderButton&, const FolderButton&) = default;
};

// The folder-menu buttons in panel order; entry 0 is stored as button 1.
using FolderList = std::vector<FolderButton>;

}  // namespace brimdock
