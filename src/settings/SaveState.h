#pragma once

#include <string>
#include <vector>

#include "settings/FolderList.h"
#include "settings/GroupList.h"
#include "settings/PanelSettings.h"

namespace brimdock {

// Everything a save writes, borrowed from the caller.
struct SaveInput {
  const PanelSettings& settings;
  bool refreshFlag;
  const std::string& programFolder;
  const FolderList& folders;
  const TGroupList& groups;
};

// Everything a save writes, owned: what a save journal holds.
struct SavedState {
  PanelSettings settings;
  bool refreshFlag = false;
  std::string programFolder;
  FolderList folders;
  TGroupList groups;

  [[nodiscard]] SaveInput View() const {
    return {settings, refreshFlag, programFolder, folders, groups};
  }
};

}  // namespace brimdock
