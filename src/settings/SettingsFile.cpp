#include "settings/SettingsFile.h"

#include <optional>
#include <utility>

#include "settings/RegistryLayout.h"
#include "settings/SaveCodec.h"
#include "settings/SaveJournal.h"
#include "settings/SaveState.h"
#include "settings/SettingsSequence.h"
#include "settings/SettingsStore.h"

namespace brimdock {
namespace {

void WriteSave(SettingsStore& store, const SaveInput& input) {
  SaveFirstPass(store, input);
  SaveSecondPass(store, input);
}

// The state of a save that stopped after its journal was complete. A journal that cannot be
// replayed is deleted.
std::optional<SavedState> TakeInterruptedSave(RegistryKey& settingsKey) {
  const Journal journal = ReadJournal(settingsKey);
  if (journal.status == JournalStatus::Absent) return std::nullopt;
  if (journal.status == JournalStatus::Complete) {
    if (auto state = DecodeSave(journal.text)) return state;
  }
  DeleteJournal(settingsKey);
  return std::nullopt;
}

void Replay(SettingsStore& store, RegistryKey& settingsKey, const SavedState& state) {
  WriteSave(store, state.View());
  DeleteJournal(settingsKey);
}

}  // namespace

LoadReport LoadSettings(Registry& registry, const std::string& keyPath, PanelSettings& settings,
                        FolderList& folders, TGroupList& groups) {
  SettingsStore store(registry, keyPath);
  const auto settingsKey = registry.Create(RootKey::CurrentUser, keyPath);
  LoadReport report;
  const auto refused = [&](const RegistryError& error) {
    if (report.writeError.empty()) report.writeError = error.what();
  };

  std::optional<SavedState> interrupted;
  try {
    interrupted = TakeInterruptedSave(*settingsKey);
  } catch (const RegistryError& error) {
    refused(error);  // an unusable journal stays; the store is whole in its old state
  }
  if (interrupted) {
    try {
      Replay(store, *settingsKey, *interrupted);
      report.finishedInterruptedSave = true;
    } catch (const RegistryError& error) {
      // The store is half written; only the journal holds the state.
      refused(error);
      settings = interrupted->settings;
      folders = std::move(interrupted->folders);
      groups.List = std::move(interrupted->groups.List);
      return report;
    }
  }

  ReadSettingValues(store, settings, report.replacedValues);
  try {
    store.WriteBool(section::kRoot, kNeedRefresh, false);
  } catch (const RegistryError& error) {
    refused(error);
  }
  ReadFolderList(*settingsKey, folders, report.replacedValues);
  ReadGroups(*settingsKey, groups, report.replacedValues);
  return report;
}

void SaveSettings(Registry& registry, const std::string& keyPath, const PanelSettings& settings,
                  bool refreshFlag, const std::string& programFolder, const FolderList& folders,
                  const TGroupList& groups) {
  const SaveInput input{settings, refreshFlag, programFolder, folders, groups};
  SettingsStore store(registry, keyPath);
  const auto settingsKey = registry.Create(RootKey::CurrentUser, keyPath);
  if (const auto interrupted = TakeInterruptedSave(*settingsKey)) {
    Replay(store, *settingsKey, *interrupted);
  }
  WriteJournal(*settingsKey, EncodeSave(input));
  try {
    WriteSave(store, input);
  } catch (const RegistryError&) {
    // A refused write stopped the rewrite half way. One more attempt makes the store whole
    // when the refusal passed; if it fails too, the journal finishes the save at the next start.
    // Either way the caller hears of the first refusal.
    try {
      WriteSave(store, input);
      DeleteJournal(*settingsKey);
    } catch (const RegistryError&) {
    }
    throw;
  }
  DeleteJournal(*settingsKey);
}

}  // namespace brimdock
