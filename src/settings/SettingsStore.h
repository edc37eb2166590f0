#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "settings/Registry.h"

namespace brimdock {

// The settings key laid over the registry like an INI file: a section is a key path relative to
// the settings key ("Groups\Group1"), the empty section is the settings key itself. Section
// names compare without regard to ASCII case.
//
// Opened section keys are kept for the life of the store, so that each read or write costs one
// registry call, and so are the sections found missing, so that reading the defaults of a
// missing section costs one call in all. A section key deleted by someone else while the store
// lives is not noticed (writes to it are refused), nor is one created by someone else after the
// store found it missing (reads give the defaults).
class SettingsStore {
 public:
  // Opens the settings key under HKEY_CURRENT_USER for reading and writing, creating it.
  explicit SettingsStore(Registry& registry);
  // The settings key below HKEY_CURRENT_USER given explicitly.
  SettingsStore(Registry& registry, const std::string& settingsKey);

  // The stored text, or the default when the section or the value is missing. Plain and
  // expandable text (not expanded) are read; a value of any other type throws InvalidDataType.
  [[nodiscard]] std::string ReadString(std::string_view section, std::string_view name,
                                       std::string_view defaultValue);
  // The stored text as a number; the default when missing or not a number.
  [[nodiscard]] std::int32_t ReadInteger(std::string_view section, std::string_view name,
                                         std::int32_t defaultValue);
  // Read as an integer with the default 1 or 0; non-zero is true.
  [[nodiscard]] bool ReadBool(std::string_view section, std::string_view name, bool defaultValue);

  // Create the section key when needed, then set the value as REG_SZ: the text, the decimal
  // number, or "1"/"0". Throw FailedToCreateKey or FailedToSetData when refused.
  void WriteString(std::string_view section, std::string_view name, std::string_view text);
  void WriteInteger(std::string_view section, std::string_view name, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view name, bool value);

  // Deletes the section key with all its values and subkeys; a missing section is no error.
  // The empty section (the settings key itself) cannot be erased: std::invalid_argument.
  void EraseSection(std::string_view section);

 private:
  // The stored text, or nothing when the section or the value is missing.
  std::optional<std::string> ReadText(std::string_view section, std::string_view name);
  // The open section key, or nullptr when it does not exist (nothing is created).
  RegistryKey* Find(std::string_view section);
  // The open section key, created when missing.
  RegistryKey& Make(std::string_view section);

  std::unique_ptr<RegistryKey> settingsKey_;
  std::unordered_map<std::string, std::unique_ptr<RegistryKey>> sections_;  // by lower-case path
  std::unordered_set<std::string> missing_;  // lower-case paths of sections found missing
  // The section used last, as spelt, and its key: most calls go to the section of the call before.
  std::string lastSection_;
  RegistryKey* lastKey_ = nullptr;
};

}  // namespace brimdock
