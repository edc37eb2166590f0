#include "settings/RegistryLayout.h"

#include <array>

#include "settings/SettingsStore.h"

namespace brimdock {
namespace {

using P = PanelSettings;
using K = ValueKind;
using W = Width;
namespace s = section;

constexpr std::array kScalarValues{
    ScalarValue{s::kAppearance, "PanelTop", K::Truth, W::Bits32, Cut::None, &P::PanelTop},
    ScalarValue{s::kAppearance, "OnTop", K::Truth, W::Bits32, Cut::None, &P::OnTop},
    ScalarValue{s::kAppearance, "AutoHidePanel", K::Truth, W::Bits32, Cut::None, &P::AutoHidePanel},
    ScalarValue{s::kAppearance, "AutoHideDelay", K::Integer, W::Bits32, Cut::None,
                &P::AutoHideDelay},
    ScalarValue{s::kAppearance, "ShowPanelOnMouseMove", K::Truth, W::Bits32, Cut::None,
                &P::ShowPanelOnMouseMove},
    ScalarValue{s::kAppearance, "NoneBckgrnd", K::Truth, W::Bits32, Cut::None, &P::NoneBckgrnd},
    ScalarValue{s::kAppearance, "BackBMPName", K::Text, W::Bits32, Cut::None, &P::BackBMPName},
    ScalarValue{s::kAppearance, "BackgroundColor", K::ColorValue, W::Bits32, Cut::None,
                &P::BackgroundColor},
    ScalarValue{s::kAppearance, "3DBorder", K::Truth, W::Bits32, Cut::None, &P::Border3D},
    ScalarValue{s::kAppearance, "FixedMenuButWidth", K::Truth, W::Bits32, Cut::None,
                &P::FixedMenuButWidth},
    ScalarValue{s::kAppearance, "MenuButWidth", K::Integer, W::Bits32, Cut::None, &P::MenuButWidth},
    ScalarValue{s::kAppearance, "GroupButWidth", K::Integer, W::Bits32, Cut::None,
                &P::GroupButWidth},
    ScalarValue{s::kAppearance, "sbIconSize", K::Integer, W::Bits8, Cut::None, &P::sbIconSize},
    ScalarValue{s::kAppearance, "DelayCreate", K::Truth, W::Bits32, Cut::None, &P::DelayCreate},
    ScalarValue{s::kAppearance, "DelayIconCreate", K::Integer, W::Bits32, Cut::None,
                &P::DelayIconCreate},

    ScalarValue{s::kFonts, "MenuFontCharset", K::Integer, W::Bits8, Cut::None, &P::MenuFontCharset},
    ScalarValue{s::kFonts, "MenuFontName", K::Text, W::Bits32, Cut::None, &P::MenuFontName},
    ScalarValue{s::kFonts, "MenuFontSize", K::Integer, W::Bits32, Cut::None, &P::MenuFontSize},
    ScalarValue{s::kFonts, "MenuFontBold", K::Truth, W::Bits32, Cut::None, &P::MenuFontBold},
    ScalarValue{s::kFonts, "MenuFontStrikeOut", K::Truth, W::Bits32, Cut::None,
                &P::MenuFontStrikeOut},
    ScalarValue{s::kFonts, "MenuFontUnderline", K::Truth, W::Bits32, Cut::None,
                &P::MenuFontUnderline},
    ScalarValue{s::kFonts, "MenuFontItalic", K::Truth, W::Bits32, Cut::None, &P::MenuFontItalic},
    ScalarValue{s::kFonts, "MenuFontColor", K::ColorValue, W::Bits32, Cut::None, &P::MenuFontColor},
    ScalarValue{s::kFonts, "GroupFontCharset", K::Integer, W::Bits8, Cut::None,
                &P::GroupFontCharset},
    ScalarValue{s::kFonts, "GroupFontName", K::Text, W::Bits32, Cut::None, &P::GroupFontName},
    ScalarValue{s::kFonts, "GroupFontSize", K::Integer, W::Bits32, Cut::None, &P::GroupFontSize},
    ScalarValue{s::kFonts, "GroupFontBold", K::Truth, W::Bits32, Cut::None, &P::GroupFontBold},
    ScalarValue{s::kFonts, "GroupFontStrikeOut", K::Truth, W::Bits32, Cut::None,
                &P::GroupFontStrikeOut},
    ScalarValue{s::kFonts, "GroupFontUnderline", K::Truth, W::Bits32, Cut::None,
                &P::GroupFontUnderline},
    ScalarValue{s::kFonts, "GroupFontItalic", K::Truth, W::Bits32, Cut::None, &P::GroupFontItalic},
    ScalarValue{s::kFonts, "GroupFontColor", K::ColorValue, W::Bits32, Cut::None,
                &P::GroupFontColor},

    ScalarValue{s::kDirs, "ShellFolder", K::Text, W::Bits32, Cut::To7, &P::ShellFolder},
    ScalarValue{s::kDirs, "Start_menu", K::Truth, W::Bits32, Cut::None, &P::Start_menu},
    ScalarValue{s::kDirs, "Desktop_menu", K::Truth, W::Bits32, Cut::None, &P::Desktop_menu},
    ScalarValue{s::kDirs, "Favorites_menu", K::Truth, W::Bits32, Cut::None, &P::Favorites_menu},
    ScalarValue{s::kDirs, "Personal_menu", K::Truth, W::Bits32, Cut::None, &P::Personal_menu},
    ScalarValue{s::kDirs, "Recent_menu", K::Truth, W::Bits32, Cut::None, &P::Recent_menu},
    ScalarValue{s::kDirs, "Templates_menu", K::Truth, W::Bits32, Cut::None, &P::Templates_menu},
    ScalarValue{s::kDirs, "Disk_A_menu", K::Truth, W::Bits32, Cut::None, &P::Disk_A_menu},
    ScalarValue{s::kDirs, "Disk_B_menu", K::Truth, W::Bits32, Cut::None, &P::Disk_B_menu},

    ScalarValue{s::kClipboard, "clbMaxSize", K::Integer, W::Bits32, Cut::None, &P::clbMaxSize},
    ScalarValue{s::kClipboard, "WriteHeader", K::Truth, W::Bits32, Cut::None, &P::WriteHeader},
    ScalarValue{s::kClipboard, "WriteTimeStamp", K::Truth, W::Bits32, Cut::None,
                &P::WriteTimeStamp},
    ScalarValue{s::kClipboard, "HeaderChar", K::Text, W::Bits32, Cut::To1, &P::HeaderChar},
    ScalarValue{s::kClipboard, "NumHeaderChars", K::Integer, W::Bits32, Cut::None,
                &P::NumHeaderChars},
    ScalarValue{s::kClipboard, "HeaderString", K::Text, W::Bits32, Cut::None, &P::HeaderString},
    ScalarValue{s::kClipboard, "DivideChar", K::Text, W::Bits32, Cut::To1, &P::DivideChar},
};

template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::string Numbered(std::string_view prefix, std::size_t position) {
  return std::string(prefix) + std::to_string(position);
}

}  // namespace

std::span<const ScalarValue> ScalarValues() {
  return kScalarValues;
}

const ScalarValue* FindScalarValue(std::string_view name) {
  for (const auto& value : kScalarValues) {
    if (value.name == name) return &value;
  }
  return nullptr;
}

void ReadScalar(SettingsStore& store, const ScalarValue& value, PanelSettings& settings) {
  std::visit(Overloaded{
                 [&](bool P::*field) {
                   settings.*field = store.ReadBool(value.section, value.name, settings.*field);
                 },
                 [&](std::int32_t P::*field) {
                   settings.*field = ApplyWidth(
                       store.ReadInteger(value.section, value.name, settings.*field), value.width);
                 },
                 [&](std::uint8_t P::*field) {
                   settings.*field = static_cast<std::uint8_t>(ApplyWidth(
                       store.ReadInteger(value.section, value.name, settings.*field), value.width));
                 },
                 [&](std::string P::*field) {
                   std::string text = store.ReadString(value.section, value.name, settings.*field);
                   if (value.cut == Cut::To1 && text.empty()) text = settings.*field;
                   settings.*field = ApplyCut(text, value.cut);
                 },
             },
             value.field);
}

void WriteScalar(SettingsStore& store, const ScalarValue& value, const PanelSettings& settings) {
  std::visit(
      Overloaded{
          [&](bool P::*field) { store.WriteBool(value.section, value.name, settings.*field); },
          [&](std::int32_t P::*field) {
            store.WriteInteger(value.section, value.name, settings.*field);
          },
          [&](std::uint8_t P::*field) {
            store.WriteInteger(value.section, value.name, settings.*field);
          },
          [&](std::string P::*field) {
            store.WriteString(value.section, value.name, settings.*field);
          },
      },
      value.field);
}

std::string DirValueName(std::size_t position) {
  return Numbered("Dir", position);
}
std::string NamValueName(std::size_t position) {
  return Numbered("Nam", position);
}
std::string ItemValueName(std::size_t position) {
  return Numbered("Item", position);
}
std::string GroupSection(std::size_t position) {
  return Numbered("Groups\\Group", position);
}

std::int32_t ApplyWidth(std::int32_t value, Width width) {
  switch (width) {
    case Width::Bits8:
      return value & 0xFF;
    case Width::Bits16:
      return value & 0xFFFF;
    case Width::Bits32:
      return value;
  }
  return value;
}

std::uint16_t CountFromStored(std::int32_t value) {
  return static_cast<std::uint16_t>(ApplyWidth(value, Width::Bits16));
}

std::string ApplyCut(std::string_view text, Cut cut) {
  switch (cut) {
    case Cut::None:
      return std::string(text);
    case Cut::To255:
      return std::string(text.substr(0, kShortTextLength));
    case Cut::To7:
      return std::string(text.substr(0, 7));
    case Cut::To1:
      return std::string(text.substr(0, 1));
  }
  return std::string(text);
}

}  // namespace brimdock
