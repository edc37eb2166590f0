#pragma once

#include <string>

#include "settings/FolderList.h"
#include "settings/GroupList.h"
#include "settings/PanelSettings.h"

namespace brimdock {

// What the open window holds once for the whole run: the settings and lists it edits, and the
// little it remembers beside them.
struct ProgramState {
  PanelSettings Settings;
  // Whether an edit since the store was read needs the panel to refresh.
  bool RefreshFlag = false;
  // The folder of the program, ending with "\".
  std::string ProgramFolder;
  FolderList FolderButtons;
  TGroupList GroupList;
  // The folder chosen last when adding a folder-menu button; never stored.
  std::string LastFolder;
};

}  // namespace brimdock
