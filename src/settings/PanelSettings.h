#pragma once

#include <cstdint>
#include <string>

#include "settings/Color.h"

namespace brimdock {

// Every scalar setting of the panel, named after its registry value, holding the built-in
// default until the store is read.
struct PanelSettings {
  // "Appearance"
  bool PanelTop = false;
  bool OnTop = true;
  bool AutoHidePanel = true;
  std::int32_t AutoHideDelay = 3000;
  bool ShowPanelOnMouseMove = true;
  bool NoneBckgrnd = false;
  std::string BackBMPName;
  std::int32_t BackgroundColor = clBtnFace;
  bool Border3D = true;  // "3DBorder"
  bool FixedMenuButWidth = true;
  std::int32_t MenuButWidth = 60;
  std::int32_t GroupButWidth = 80;
  std::uint8_t sbIconSize = 16;
  bool DelayCreate = true;
  std::int32_t DelayIconCreate = 100;

  // "Fonts"
  std::uint8_t MenuFontCharset = 1;
  std::string MenuFontName = "MS Sans Serif";
  std::int32_t MenuFontSize = 8;
  bool MenuFontBold = false;
  bool MenuFontStrikeOut = false;
  bool MenuFontUnderline = false;
  bool MenuFontItalic = false;
  std::int32_t MenuFontColor = clWindowText;
  std::uint8_t GroupFontCharset = 1;
  std::string GroupFontName = "MS Sans Serif";
  std::int32_t GroupFontSize = 8;
  bool GroupFontBold = false;
  bool GroupFontStrikeOut = false;
  bool GroupFontUnderline = false;
  bool GroupFontItalic = false;
  std::int32_t GroupFontColor = clWindowText;

  // "Dirs"
  std::string ShellFolder = "open";
  bool Start_menu = true;
  bool Desktop_menu = true;
  bool Favorites_menu = true;
  bool Personal_menu = true;
  bool Recent_menu = true;
  bool Templates_menu = true;
  bool Disk_A_menu = true;
  bool Disk_B_menu = true;

  // "Clipboard"
  std::int32_t clbMaxSize = 5000;
  bool WriteHeader = true;
  bool WriteTimeStamp = true;
  std::string HeaderChar = "*";
  std::int32_t NumHeaderChars = 60;
  std::string HeaderString = "Brimdock clipboard file";
  std::string DivideChar = "-";

  friend bool operator==(const PanelSettings&, const PanelSettings&) = default;
};

}  // namespace brimdock
