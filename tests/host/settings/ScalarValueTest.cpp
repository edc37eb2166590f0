#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <variant>

#include "settings/RegistryLayout.h"
#include "settings/SettingsStore.h"
#include "support/MemoryRegistry.h"

namespace brimdock {
namespace {

using brimdock::testing::MemoryRegistry;

constexpr RootKey kUser = RootKey::CurrentUser;

std::string KeyOf(std::string_view section) {
  std::string key(kSettingsKey);
  if (!section.empty()) (key += '\\') += section;
  return key;
}

void PutText(MemoryRegistry& registry, std::string_view section, std::string_view name,
             const std::string& text) {
  registry.Put(kUser, KeyOf(section), std::string(name), {ValueType::String, text});
}

// Every scalar read from the store into a default record.
PanelSettings ReadAll(MemoryRegistry& registry) {
  SettingsStore store(registry);
  PanelSettings settings;
  for (const auto& value : ScalarValues()) ReadScalar(store, value, settings);
  return settings;
}

// The field of the value as text: truth values "1"/"0", numbers in decimal.
std::string FieldText(const PanelSettings& settings, const ScalarValue& value) {
  return std::visit(
      [&](auto PanelSettings::*field) -> std::string {
        const auto& content = settings.*field;
        using Field = std::remove_cvref_t<decltype(content)>;
        if constexpr (std::is_same_v<Field, bool>) return content ? "1" : "0";
        if constexpr (std::is_same_v<Field, std::string>) return content;
        if constexpr (std::is_integral_v<Field> && !std::is_same_v<Field, bool>) {
          return std::to_string(content);
        }
      },
      value.field);
}

TEST(ScalarValue, AnEmptyStoreReadsAsTheBuiltInDefaults) {
  MemoryRegistry registry;
  EXPECT_TRUE(ReadAll(registry) == PanelSettings{});
  const PanelSettings defaults;
  EXPECT_FALSE(defaults.PanelTop);
  EXPECT_EQ(defaults.AutoHideDelay, 3000);
  EXPECT_EQ(defaults.HeaderString, "Brimdock clipboard file");
  EXPECT_EQ(defaults.BackgroundColor, -2147483633);
  EXPECT_EQ(defaults.MenuFontColor, -2147483640);
}

TEST(ScalarValue, StoredTextsAreReadWithTheirKindWidthAndCut) {
  const std::string longText(300, 'h');
  const struct {
    const char* name;
    std::string stored;
    std::string read;
  } cases[] = {
      {"PanelTop", "2", "1"},
      {"PanelTop", "yes", "0"},
      {"OnTop", "0", "0"},
      {"3DBorder", "0", "0"},
      {"BackgroundColor", "0xFF", "255"},
      {"MenuFontColor", "-2147483633", "-2147483633"},
      {"sbIconSize", "272", "16"},
      {"MenuFontCharset", "-1", "255"},
      {"ShellFolder", "explorer", "explore"},
      {"ShellFolder", "Open", "Open"},
      {"HeaderChar", "abc", "a"},
      {"HeaderChar", "", "*"},
      {"DivideChar", "=+", "="},
      {"HeaderString", longText, longText},
      {"BackBMPName", longText, longText},
  };
  for (const auto& c : cases) {
    MemoryRegistry registry;
    const ScalarValue* value = FindScalarValue(c.name);
    ASSERT_NE(value, nullptr) << c.name;
    PutText(registry, value->section, c.name, c.stored);
    EXPECT_EQ(FieldText(ReadAll(registry), *value), c.read)
        << c.name << " stored as \"" << c.stored << '"';
  }
}

TEST(ScalarValue, StoredCountsKeepTheirLow16Bits) {
  const struct {
    const char* stored;
    std::uint16_t count;
  } cases[] = {{"65537", 1}, {"-1", 65535}, {"3", 3}, {"many", 0}};
  for (const auto& c : cases) {
    MemoryRegistry registry;
    PutText(registry, section::kDirs, kNumDirs, c.stored);
    SettingsStore store(registry);
    EXPECT_EQ(CountFromStored(store.ReadInteger(section::kDirs, kNumDirs, 0)), c.count) << c.stored;
  }
}

TEST(ScalarValue, EveryScalarWrittenReadsBackFromItsSectionAsText) {
  PanelSettings changed;
  int n = 0;
  for (const auto& value : ScalarValues()) {
    ++n;
    std::visit(
        [&](auto PanelSettings::*field) {
          auto& content = changed.*field;
          using Field = std::remove_cvref_t<decltype(content)>;
          if constexpr (std::is_same_v<Field, bool>) {
            content = !content;
          } else if constexpr (std::is_same_v<Field, std::string>) {
            content = value.cut == Cut::None ? "text " + std::to_string(n) : "#";
          } else {
            content = static_cast<Field>(200 + n);
          }
        },
        value.field);
  }
  MemoryRegistry registry;
  {
    SettingsStore store(registry);
    for (const auto& value : ScalarValues()) WriteScalar(store, value, changed);
  }
  EXPECT_TRUE(ReadAll(registry) == changed);
  for (const auto& value : ScalarValues()) {
    const auto stored = registry.Get(kUser, KeyOf(value.section), std::string(value.name));
    ASSERT_TRUE(stored.has_value()) << value.name;
    EXPECT_EQ(stored->type, ValueType::String) << value.name;
    EXPECT_EQ(stored->data, FieldText(changed, value)) << value.name;
  }
}

}  // namespace
}  // namespace brimdock
