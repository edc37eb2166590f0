#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/FolderList.h"
#include "settings/GroupList.h"
#include "settings/PanelSettings.h"
#include "settings/Registry.h"
#include "settings/SaveState.h"
#include "settings/SettingsStore.h"

namespace brimdock {

// The reads and writes of loading and saving, each in the order the panel's store is kept in.
// A value of the wrong registry type met while reading keeps its default and its path
// ("Section\Name") is added to `replaced`.

// The version every save writes.
inline constexpr std::string_view kProgramVersion = "1.2.1";

// Every scalar value, each read with the field's current content as its default.
void ReadSettingValues(SettingsStore& store, PanelSettings& settings,
                       std::vector<std::string>& replaced);

// The folder list from "Dirs" and the groups from "Groups", appended to the (empty) lists.
// settingsKey is the settings key itself.
void ReadFolderList(const RegistryKey& settingsKey, FolderList& folders,
                    std::vector<std::string>& replaced);
void ReadGroups(const RegistryKey& settingsKey, TGroupList& groups,
                std::vector<std::string>& replaced);

// Erases "Dirs", "Items" and "Groups", then writes the root values and the panel's position,
// stay-on-top, auto-hide, folder verb and folder-menu switches.
void SaveFirstPass(SettingsStore& store, const SaveInput& input);
// "NeedRefresh", the rest of the scalar values, the folder list and the groups.
void SaveSecondPass(SettingsStore& store, const SaveInput& input);

}  // namespace brimdock
