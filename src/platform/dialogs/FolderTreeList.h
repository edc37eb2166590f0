#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Win32Handles.h"

namespace brimdock {

// The directory list of the Select Directory dialog, an owner-drawn list box: the root and each
// folder down to the current one, one a row and indented by depth, then the current folder's
// subfolders one step further in. The rows' strings are the folder names.
class FolderTreeList {
 public:
  FolderTreeList();

  // The list box (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS) that shows the rows.
  void Attach(HWND list);
  // Shows a folder (a full path) and its subfolders' names; the folder's row is selected.
  void Show(const std::string& folder, const std::vector<std::string>& subfolders);
  // The folder of the selected row.
  [[nodiscard]] std::optional<std::string> SelectedFolder() const;
  // WM_DRAWITEM of the list box.
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  [[nodiscard]] int TextLeft(std::size_t level) const;

  HWND list_ = nullptr;
  std::vector<std::string> rowPaths_;  // the folder of each row
  std::size_t pathRows_ = 0;           // the rows of the shown folder's path come first
  int indent_ = 12;
  IconHandle folderIcon_;
  IconHandle openFolderIcon_;
};

}  // namespace brimdock
