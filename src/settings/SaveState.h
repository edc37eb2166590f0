#pragma once

#include <string>
#include <vector>

#include "pages/GroupList.h"
#include "settings/PanelSettings.h"

namespace brimdock {

// Everything a save writes, borrowed from the caller.
struct SaveInput {
  const PanelSettings& settings;
  bool refreshFlag;
  const std::string& programFolder;
  const std::vector<std::string>& folderPaths;
  const std::vector<std::string>& folderNames;
  const TGroupList& groups;
};

// Everything a save writes, owned: what a save journal holds.
struct SavedState {
  PanelSettings settings;
  bool refreshFlag = false;
  std::string programFolder;
  std::vector<std::string> folderPaths;
  std::vector<std::string> folderNames;
  TGroupList groups;

  [[nodiscard]] SaveInput View() const {
    return {settings, refreshFlag, programFolder, folderPaths, folderNames, groups};
  }
};

}  // namespace brimdock
