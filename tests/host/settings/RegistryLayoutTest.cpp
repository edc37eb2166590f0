#include "settings/RegistryLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace brimdock {
namespace {

// Converts to anything; counts the fields of an aggregate by brace initialisation.
struct AnyField {
  template <typename T>
  operator T() const;  // NOLINT(google-explicit-constructor): declared only
};

template <typename T, std::size_t... I>
constexpr bool BracesTake(std::index_sequence<I...>) {
  return requires {
    T{(void(I), AnyField{})...};
  };
}

template <typename T, std::size_t N = 0>
constexpr std::size_t FieldCount() {
  if constexpr (BracesTake<T>(std::make_index_sequence<N + 1>{})) {
    return FieldCount<T, N + 1>();
  } else {
    return N;
  }
}

TEST(RegistryLayout, EveryFieldHasExactlyOneValueOfAMatchingKind) {
  std::vector<SettingField> fields;
  std::set<std::string_view> names;
  for (const auto& value : ScalarValues()) {
    EXPECT_EQ(std::find(fields.begin(), fields.end(), value.field), fields.end())
        << value.name << ": field used twice";
    fields.push_back(value.field);
    EXPECT_TRUE(names.insert(value.name).second) << value.name << ": name used twice";
    EXPECT_EQ(FindScalarValue(value.name), &value) << value.name;

    const bool text = std::holds_alternative<std::string PanelSettings::*>(value.field);
    const bool truth = std::holds_alternative<bool PanelSettings::*>(value.field);
    const bool small = std::holds_alternative<std::uint8_t PanelSettings::*>(value.field);
    EXPECT_EQ(text, value.kind == ValueKind::Text) << value.name;
    EXPECT_EQ(truth, value.kind == ValueKind::Truth) << value.name;
    EXPECT_EQ(small, value.width == Width::Bits8) << value.name;
    EXPECT_NE(value.width, Width::Bits16) << value.name << ": only list counts are 16 bits";
    if (!text) {
      EXPECT_EQ(value.cut, Cut::None) << value.name;
    }
  }
  EXPECT_EQ(fields.size(), FieldCount<PanelSettings>());
  EXPECT_EQ(FindScalarValue("NumDirs"), nullptr);
  EXPECT_EQ(FindScalarValue("Border3D"), nullptr);
}

TEST(RegistryLayout, SectionsHoldTheirValues) {
  const std::set<std::string_view> sections = {section::kAppearance, section::kFonts,
                                               section::kDirs, section::kClipboard};
  for (const auto& value : ScalarValues()) {
    EXPECT_TRUE(sections.contains(value.section)) << value.name;
  }
  EXPECT_EQ(FindScalarValue("3DBorder")->section, section::kAppearance);
  EXPECT_EQ(FindScalarValue("GroupFontItalic")->section, section::kFonts);
  EXPECT_EQ(FindScalarValue("Disk_B_menu")->section, section::kDirs);
  EXPECT_EQ(FindScalarValue("DivideChar")->section, section::kClipboard);
}

TEST(RegistryLayout, ListNamesCarryTheirPositionInDecimal) {
  EXPECT_EQ(DirValueName(1), "Dir1");
  EXPECT_EQ(NamValueName(10), "Nam10");
  EXPECT_EQ(ItemValueName(65535), "Item65535");
  EXPECT_EQ(GroupSection(2), "Groups\\Group2");
}

TEST(RegistryLayout, WidthsKeepTheLowBits) {
  const struct {
    std::int32_t stored;
    Width width;
    std::int32_t kept;
  } cases[] = {
      {65537, Width::Bits16, 1}, {-1, Width::Bits16, 65535}, {272, Width::Bits8, 16},
      {-1, Width::Bits8, 255},   {-5, Width::Bits32, -5},
  };
  for (const auto& c : cases) EXPECT_EQ(ApplyWidth(c.stored, c.width), c.kept) << c.stored;
}

TEST(RegistryLayout, CutsKeepTheFirstCharacters) {
  const std::string longText(300, 'x');
  EXPECT_EQ(ApplyCut(longText, Cut::To255), longText.substr(0, 255));
  EXPECT_EQ(ApplyCut(longText, Cut::None), longText);
  EXPECT_EQ(ApplyCut("explorer", Cut::To7), "explore");
  EXPECT_EQ(ApplyCut("abc", Cut::To1), "a");
  EXPECT_EQ(ApplyCut("", Cut::To1), "");
}

}  // namespace
}  // namespace brimdock
