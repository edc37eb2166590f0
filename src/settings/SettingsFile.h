#pragma once

#include <string>
#include <vector>

#include "settings/FolderList.h"
#include "settings/GroupList.h"
#include "settings/PanelSettings.h"
#include "settings/Registry.h"

namespace brimdock {

// Loading and saving the whole store under HKEY_CURRENT_USER\<keyPath>.
//
// A save never loses data. It first writes everything it is about to write into a save
// journal, a subkey of the settings key holding the state as a few large text values and,
// written last, a completion mark (SaveJournal.h, SaveCodec.h). Then it erases and rewrites the
// store in the panel's order, and finally deletes the journal. Loading and saving begin by
// finishing an interrupted save: a complete journal is replayed with the same writes and
// deleted; a journal without its mark is deleted, since its save stopped before touching the
// store. A save stopped at any write thus leaves a store that the next load brings back whole,
// in its old or its new state.

struct LoadReport {
  // "Section\Name" of each value of the wrong registry type; the setting kept its default.
  std::vector<std::string> replacedValues;
  // The platform's text of the first write that was refused while loading; empty when none.
  // Loading goes on after a refused write, except when finishing an interrupted save is
  // refused: the settings and lists are then the state that save was writing.
  std::string writeError;
  // An interrupted save was finished before reading.
  bool finishedInterruptedSave = false;
};

// Reads the whole store into the settings (each value with the field's current content as its
// default), the folder list and the groups (both empty), and writes "NeedRefresh" as
// "0". Throws RegistryError only when the settings key can be neither opened nor created.
LoadReport LoadSettings(Registry& registry, const std::string& keyPath, PanelSettings& settings,
                        FolderList& folders, TGroupList& groups);

// Rewrites the whole store: the settings, "NeedRefresh" as the refresh flag, "Version",
// "ProgramDir", the folder list and the groups. A refused write throws its RegistryError and ends
// the save; the next load finds the store whole.
void SaveSettings(Registry& registry, const std::string& keyPath, const PanelSettings& settings,
                  bool refreshFlag, const std::string& programFolder, const FolderList& folders,
                  const TGroupList& groups);

}  // namespace brimdock
