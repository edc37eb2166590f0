#include "settings/SettingsStore.h"

#include <stdexcept>
#include <utility>

#include "settings/AsciiCase.h"
#include "settings/Layout.h"
#include "settings/NumberText.h"

namespace brimdock {
namespace {

bool IsSettingsKeyItself(std::string_view section) {
  return section.find_first_not_of('\\') == std::string_view::npos;
}

bool IsSameOrBelow(std::string_view lowerPath, std::string_view lowerSection) {
  return lowerPath.starts_with(lowerSection) &&
         (lowerPath.size() == lowerSection.size() || lowerPath[lowerSection.size()] == '\\');
}

}  // namespace

SettingsStore::SettingsStore(Registry& registry)
    : SettingsStore(registry, std::string(kSettingsKey)) {}

SettingsStore::SettingsStore(Registry& registry, const std::string& settingsKey)
    : settingsKey_(registry.Create(RootKey::CurrentUser, settingsKey)) {}

std::string SettingsStore::ReadString(std::string_view section, std::string_view name,
                                      std::string_view defaultValue) {
  auto text = ReadText(section, name);
  return text ? std::move(*text) : std::string(defaultValue);
}

std::int32_t SettingsStore::ReadInteger(std::string_view section, std::string_view name,
                                        std::int32_t defaultValue) {
  const auto text = ReadText(section, name);
  return text ? ReadNumberText(*text, defaultValue) : defaultValue;
}

bool SettingsStore::ReadBool(std::string_view section, std::string_view name, bool defaultValue) {
  return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

void SettingsStore::WriteString(std::string_view section, std::string_view name,
                                std::string_view text) {
  Make(section).WriteString(std::string(name), std::string(text));
}

void SettingsStore::WriteInteger(std::string_view section, std::string_view name,
                                 std::int32_t value) {
  WriteString(section, name, DecimalText(value));
}

void SettingsStore::WriteBool(std::string_view section, std::string_view name, bool value) {
  WriteString(section, name, value ? "1" : "0");
}

void SettingsStore::EraseSection(std::string_view section) {
  if (IsSettingsKeyItself(section)) {
    throw std::invalid_argument("The settings key itself is no section to erase");
  }
  const std::string lower = ToLowerAscii(section);
  std::erase_if(sections_, [&](const auto& entry) { return IsSameOrBelow(entry.first, lower); });
  lastKey_ = nullptr;
  settingsKey_->DeleteSubKeyTree(std::string(section));
}

std::optional<std::string> SettingsStore::ReadText(std::string_view section,
                                                   std::string_view name) {
  const RegistryKey* key = Find(section);
  if (key == nullptr) return std::nullopt;
  const std::string valueName(name);
  auto value = key->Read(valueName);
  if (!value) return std::nullopt;
  if (value->type != ValueType::String && value->type != ValueType::ExpandString) {
    throw InvalidDataType(valueName);
  }
  return std::move(value->data);
}

RegistryKey* SettingsStore::Find(std::string_view section) {
  if (section.empty()) return settingsKey_.get();
  if (lastKey_ != nullptr && section == lastSection_) return lastKey_;
  std::string lower = ToLowerAscii(section);
  auto found = sections_.find(lower);
  if (found == sections_.end()) {
    if (missing_.contains(lower)) return nullptr;
    auto opened = settingsKey_->OpenSubKey(std::string(section));
    if (!opened) {
      missing_.insert(std::move(lower));
      return nullptr;
    }
    found = sections_.emplace(std::move(lower), std::move(opened)).first;
  }
  lastSection_ = section;
  lastKey_ = found->second.get();
  return lastKey_;
}

RegistryKey& SettingsStore::Make(std::string_view section) {
  if (RegistryKey* key = Find(section)) return *key;
  auto created = settingsKey_->CreateSubKey(std::string(section));
  lastSection_ = section;
  lastKey_ = created.get();
  std::string lower = ToLowerAscii(section);
  // The new key and the parents created with it exist now.
  for (auto end = lower.find('\\'); end != std::string::npos; end = lower.find('\\', end + 1)) {
    missing_.erase(lower.substr(0, end));
  }
  missing_.erase(lower);
  sections_.insert_or_assign(std::move(lower), std::move(created));
  return *lastKey_;
}

}  // namespace brimdock
