#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/PanelSettings.h"

namespace brimdock {

class SettingsStore;

// The key of all settings, under HKEY_CURRENT_USER.
inline constexpr std::string_view kSettingsKey = "Software\\Marrowick Software\\Brimdock";

// Sections: key paths relative to kSettingsKey; the empty section is kSettingsKey itself.
namespace section {
inline constexpr std::string_view kRoot = "";
inline constexpr std::string_view kAppearance = "Appearance";
inline constexpr std::string_view kFonts = "Fonts";
inline constexpr std::string_view kDirs = "Dirs";
inline constexpr std::string_view kGroups = "Groups";
inline constexpr std::string_view kClipboard = "Clipboard";
inline constexpr std::string_view kItems = "Items";  // obsolete: deleted by every save
inline constexpr std::string_view kLangConfig = "LangConfig";
}  // namespace section

// How a value is stored: every kind is registry text.
enum class ValueKind {
  Text,
  Integer,     // decimal
  Truth,       // "1" or "0"; read as an integer, non-zero is true
  ColorValue,  // an integer holding a colour value ("Color" alone is the platform's colour type)
};

// How many low bits of a stored integer count.
enum class Width { Bits8, Bits16, Bits32 };

// How many characters of a stored text are kept when read.
enum class Cut { None, To255, To7, To1 };

inline constexpr std::size_t kShortTextLength = 255;

using SettingField = std::variant<bool PanelSettings::*, std::int32_t PanelSettings::*,
                                  std::uint8_t PanelSettings::*, std::string PanelSettings::*>;

// One scalar registry value and the PanelSettings field that holds it.
struct ScalarValue {
  std::string_view section;
  std::string_view name;
  ValueKind kind;
  Width width;
  Cut cut;
  SettingField field;
};

// Every scalar value of "Appearance", "Fonts", "Dirs" and "Clipboard", in PanelSettings order.
[[nodiscard]] std::span<const ScalarValue> ScalarValues();
// The scalar value of that exact name, or nullptr.
[[nodiscard]] const ScalarValue* FindScalarValue(std::string_view name);

// Reads the value into its field, with the field's current content as the default; applies the
// width, and the cut. A one-character text keeps its default when the stored text is empty.
void ReadScalar(SettingsStore& store, const ScalarValue& value, PanelSettings& settings);
// Writes the field in the value's kind.
void WriteScalar(SettingsStore& store, const ScalarValue& value, const PanelSettings& settings);

// Values of the settings key itself.
inline constexpr std::string_view kVersion = "Version";
inline constexpr std::string_view kProgramDir = "ProgramDir";
inline constexpr std::string_view kNeedRefresh = "NeedRefresh";

// The lists. Positions in the stored names count from 1.
inline constexpr std::string_view kNumDirs = "NumDirs";      // in "Dirs"
inline constexpr std::string_view kNumGroups = "NumGroups";  // in "Groups"
inline constexpr std::string_view kNumItems = "NumItems";    // in each group section
inline constexpr std::string_view kName = "Name";            // in each group section
inline constexpr std::string_view kHint = "Hint";            // in each group section

[[nodiscard]] std::string DirValueName(std::size_t position);   // "Dir" + position
[[nodiscard]] std::string NamValueName(std::size_t position);   // "Nam" + position
[[nodiscard]] std::string ItemValueName(std::size_t position);  // "Item" + position
[[nodiscard]] std::string GroupSection(std::size_t position);   // "Groups\Group" + position

// The stored integer with only the width's low bits kept (unsigned for 8 and 16 bits).
[[nodiscard]] std::int32_t ApplyWidth(std::int32_t value, Width width);
// A stored list count: its low 16 bits.
[[nodiscard]] std::uint16_t CountFromStored(std::int32_t value);
// The first characters of the text that the cut keeps.
[[nodiscard]] std::string ApplyCut(std::string_view text, Cut cut);

}  // namespace brimdock
