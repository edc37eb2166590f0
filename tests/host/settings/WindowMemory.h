#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "pages/GroupList.h"
#include "settings/PanelSettings.h"
#include "settings/Registry.h"
#include "settings/SettingsFile.h"

namespace brimdock::testing {

inline const std::string kKey = "Software\\Marrowick Software\\Brimdock";

// What the window holds in memory, in a copyable form.
struct WindowMemory {
  PanelSettings settings;
  std::vector<std::string> folderPaths;
  std::vector<std::string> folderNames;
  std::vector<TGroup> groups;

  void AddFolder(std::string path, std::string name) {
    folderPaths.push_back(std::move(path));
    folderNames.push_back(std::move(name));
  }
  TGroup& AddGroup(std::string name, std::string hint) {
    groups.push_back(TGroup{std::move(name), std::move(hint), {}, {}});
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
  loaded.report = LoadSettings(registry, kKey, loaded.memory.settings, loaded.memory.folderPaths,
                               loaded.memory.folderNames, groups);
  for (const auto& group : groups.List) loaded.memory.groups.push_back(*group);
  return loaded;
}

inline void Save(Registry& registry, const WindowMemory& memory, bool refreshFlag = false,
                 const std::string& programFolder = "C:\\Brimdock\\") {
  TGroupList groups;
  for (const TGroup& group : memory.groups) {
    groups.List.push_back(std::make_unique<TGroup>(group));
  }
  SaveSettings(registry, kKey, memory.settings, refreshFlag, programFolder, memory.folderPaths,
               memory.folderNames, groups);
}

}  // namespace brimdock::testing
