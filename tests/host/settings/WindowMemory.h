#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "settings/FolderList.h"
#include "settings/GroupList.h"
#include "settings/PanelSettings.h"
#include "settings/Registry.h"
#include "settings/SettingsFile.h"
#include "support/EntryNames.h"

namespace brimdock::testing {

inline const std::string kKey = "Software\\Marrowick Software\\Brimdock";

// What the window holds in memory, in a copyable form.
struct WindowMemory {
  PanelSettings settings;
  FolderList folders;
  std::vector<TGroup> groups;

  void AddFolder(std::string path, std::string name) {
    folders.push_back(FolderButton{std::move(name), std::move(path)});
  }
  TGroup& AddGroup(std::string name, std::string hint) {
    groups.push_back(TGroup{std::move(name), std::move(hint), {}});
    return groups.back();
  }

  friend bool operator==(const WindowMemory&, const WindowMemory&) = default;
};

struct Loaded {
  WindowMemory memory;
  LoadReport report;
};

inline Loaded Load(Registry& registry, const PanelSettings& defaults = {}) {
  Loaded loaded;
  loaded.memory.settings = defaults;
  TGroupList groups;
  loaded.report =
      LoadSettings(registry, kKey, loaded.memory.settings, loaded.memory.folders, groups);
  for (const auto& group : groups.List) loaded.memory.groups.push_back(*group);
  return loaded;
}

inline void Save(Registry& registry, const WindowMemory& memory, bool refreshFlag = false,
                 const std::string& programFolder = "C:\\Brimdock\\") {
  TGroupList groups;
  for (const TGroup& group : memory.groups) {
    groups.List.push_back(std::make_unique<TGroup>(group));
  }
  SaveSettings(registry, kKey, memory.settings, refreshFlag, programFolder, memory.folders, groups);
}

}  // namespace brimdock::testing
