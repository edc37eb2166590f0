#include "settings/SettingsSequence.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <stdexcept>

#include "settings/NumberText.h"
#include "settings/RegistryLayout.h"

namespace brimdock {
namespace {

using ValueOrder = std::vector<const ScalarValue*>;

ValueOrder Resolve(std::initializer_list<std::string_view> names) {
  ValueOrder order;
  for (const auto name : names) {
    const ScalarValue* value = FindScalarValue(name);
    if (value == nullptr) throw std::logic_error("No scalar value " + std::string(name));
    order.push_back(value);
  }
  return order;
}

// clang-format off
const ValueOrder& ReadOrder() {
  static const ValueOrder order = Resolve({
      "PanelTop", "OnTop", "NoneBckgrnd", "BackBMPName", "3DBorder", "ShowPanelOnMouseMove",
      "AutoHidePanel", "AutoHideDelay", "BackgroundColor", "FixedMenuButWidth", "GroupButWidth",
      "MenuButWidth",
      "MenuFontCharset", "MenuFontName", "MenuFontSize", "MenuFontBold", "MenuFontStrikeOut",
      "MenuFontUnderline", "MenuFontItalic", "MenuFontColor",
      "GroupFontCharset", "GroupFontName", "GroupFontSize", "GroupFontBold", "GroupFontStrikeOut",
      "GroupFontUnderline", "GroupFontItalic", "GroupFontColor",
      "sbIconSize", "DelayCreate", "DelayIconCreate",
      "ShellFolder", "Start_menu", "Desktop_menu", "Favorites_menu", "Personal_menu",
      "Recent_menu", "Templates_menu", "Disk_A_menu", "Disk_B_menu",
      "clbMaxSize", "NumHeaderChars", "HeaderChar", "DivideChar", "HeaderString", "WriteHeader",
      "WriteTimeStamp",
  });
  return order;
}

const ValueOrder& FirstPassOrder() {
  static const ValueOrder order = Resolve({
      "PanelTop", "OnTop", "AutoHidePanel",
      "ShellFolder", "Start_menu", "Desktop_menu", "Favorites_menu", "Personal_menu",
      "Recent_menu", "Templates_menu", "Disk_A_menu", "Disk_B_menu",
  });
  return order;
}

// After "NeedRefresh"; the folder list and the groups follow.
const ValueOrder& SecondPassOrder() {
  static const ValueOrder order = Resolve({
      "NoneBckgrnd", "BackBMPName", "3DBorder", "ShowPanelOnMouseMove", "AutoHideDelay",
      "BackgroundColor", "FixedMenuButWidth", "GroupButWidth", "MenuButWidth", "DelayCreate",
      "DelayIconCreate", "sbIconSize",
      "MenuFontCharset", "MenuFontName", "MenuFontSize", "MenuFontBold", "MenuFontStrikeOut",
      "MenuFontUnderline", "MenuFontItalic", "MenuFontColor",
      "GroupFontCharset", "GroupFontName", "GroupFontSize", "GroupFontBold", "GroupFontStrikeOut",
      "GroupFontUnderline", "GroupFontItalic", "GroupFontColor",
  });
  return order;
}

// The last values of a save, after the groups.
const ValueOrder& ClipboardOrder() {
  static const ValueOrder order = Resolve({
      "clbMaxSize", "NumHeaderChars", "HeaderChar", "DivideChar", "HeaderString", "WriteHeader",
      "WriteTimeStamp",
  });
  return order;
}
// clang-format on

std::string PathOf(std::string_view section, std::string_view name) {
  std::string path(section);
  if (!path.empty()) path += '\\';
  path += name;
  return path;
}

// Reads the values of one key; a value of the wrong type reads as missing and is reported.
class ListReader {
 public:
  ListReader(const RegistryKey* key, std::string_view section, std::vector<std::string>& replaced)
      : key_(key), section_(section), replaced_(replaced) {}

  std::optional<std::string> Text(const std::string& name) const {
    if (key_ == nullptr) return std::nullopt;
    auto value = key_->Read(name);
    if (!value) return std::nullopt;
    if (value->type != ValueType::String && value->type != ValueType::ExpandString) {
      replaced_.push_back(PathOf(section_, name));
      return std::nullopt;
    }
    return std::move(value->data);
  }

  // A short text: at most 255 characters, the default when missing.
  std::string ShortText(const std::string& name, std::string_view defaultValue) const {
    const auto text = Text(name);
    return ApplyCut(text ? *text : defaultValue, Cut::To255);
  }

  std::uint16_t Count(std::string_view name) const {
    const auto text = Text(std::string(name));
    return CountFromStored(text ? ReadNumberText(*text, 0) : 0);
  }

 private:
  const RegistryKey* key_;
  std::string_view section_;
  std::vector<std::string>& replaced_;
};

void WriteValues(SettingsStore& store, const ValueOrder& order, const PanelSettings& settings) {
  for (const ScalarValue* value : order) WriteScalar(store, *value, settings);
}

void WriteCount(SettingsStore& store, std::string_view section, std::string_view name,
                std::size_t count) {
  store.WriteString(section, name, std::to_string(count));
}

}  // namespace

void ReadSettingValues(SettingsStore& store, PanelSettings& settings,
                       std::vector<std::string>& replaced) {
  for (const ScalarValue* value : ReadOrder()) {
    try {
      ReadScalar(store, *value, settings);
    } catch (const RegistryError&) {
      replaced.push_back(PathOf(value->section, value->name));
    }
  }
}

void ReadFolderList(const RegistryKey& settingsKey, FolderList& folders,
                    std::vector<std::string>& replaced) {
  const auto key = settingsKey.OpenSubKey(std::string(section::kDirs));
  const ListReader dirs(key.get(), section::kDirs, replaced);
  const std::size_t count = dirs.Count(kNumDirs);
  // A missing folder or name repeats the one before it.
  std::string lastFolder;
  std::string lastName;
  for (std::size_t i = 1; i <= count; ++i) {
    lastFolder = dirs.ShortText(DirValueName(i), lastFolder);
    lastName = dirs.ShortText(NamValueName(i), lastName);
    if (!lastFolder.empty() && !lastName.empty()) {
      folders.push_back(FolderButton{lastName, lastFolder});
    }
  }
}

void ReadGroups(const RegistryKey& settingsKey, TGroupList& groups,
                std::vector<std::string>& replaced) {
  const auto groupsKey = settingsKey.OpenSubKey(std::string(section::kGroups));
  const std::size_t count =
      ListReader(groupsKey.get(), section::kGroups, replaced).Count(kNumGroups);
  for (std::size_t n = 1; n <= count; ++n) {
    // One open per group: a missing group costs a single registry call.
    const std::string section = GroupSection(n);
    const auto key = settingsKey.OpenSubKey(section);
    if (!key) continue;
    const ListReader values(key.get(), section, replaced);
    std::string name = values.ShortText(std::string(kName), "");
    std::string hint = values.ShortText(std::string(kHint), "");
    if (name.empty() || hint.empty()) continue;
    TGroup& group = groups.Add(std::move(name), std::move(hint));
    const std::size_t links = values.Count(kNumItems);
    for (std::size_t k = 1; k <= links; ++k) {
      std::string linkName = values.ShortText(NamValueName(k), "");
      std::string linkPath = values.ShortText(ItemValueName(k), "");
      if (!linkName.empty() && !linkPath.empty()) {
        group.AddLink(std::move(linkName), std::move(linkPath));
      }
    }
  }
}

void SaveFirstPass(SettingsStore& store, const SaveInput& input) {
  store.EraseSection(section::kDirs);
  store.EraseSection(section::kItems);
  store.EraseSection(section::kGroups);
  store.WriteString(section::kRoot, kVersion, kProgramVersion);
  store.WriteString(section::kRoot, kProgramDir, input.programFolder);
  WriteValues(store, FirstPassOrder(), input.settings);
}

void SaveSecondPass(SettingsStore& store, const SaveInput& input) {
  store.WriteBool(section::kRoot, kNeedRefresh, input.refreshFlag);
  WriteValues(store, SecondPassOrder(), input.settings);

  const std::size_t folders = input.folders.size();
  WriteCount(store, section::kDirs, kNumDirs, folders);
  for (std::size_t i = 1; i <= folders; ++i) {
    store.WriteString(section::kDirs, DirValueName(i), input.folders[i - 1].Path);
    store.WriteString(section::kDirs, NamValueName(i), input.folders[i - 1].Name);
  }

  const auto& groups = input.groups.List;
  WriteCount(store, section::kGroups, kNumGroups, groups.size());
  for (std::size_t n = 1; n <= groups.size(); ++n) {
    const TGroup& group = *groups[n - 1];
    const std::string section = GroupSection(n);
    store.WriteString(section, kName, group.Name);
    store.WriteString(section, kHint, group.Hint);
    const std::size_t links = group.Links.size();
    WriteCount(store, section, kNumItems, links);
    for (std::size_t k = 1; k <= links; ++k) {
      store.WriteString(section, ItemValueName(k), group.Links[k - 1].Path);
      store.WriteString(section, NamValueName(k), group.Links[k - 1].Name);
    }
  }

  WriteValues(store, ClipboardOrder(), input.settings);
}

}  // namespace brimdock
