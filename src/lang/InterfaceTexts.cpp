#include "lang/InterfaceTexts.h"

#include <array>

namespace brimdock {
namespace {

// The four group-box captions carry their blanks; a pack holds them without.
constexpr std::array<InterfaceText, 68> kTexts{{
    {4, "Brimdock Configuration"},
    {6, "Appearance"},
    {7, "Folders"},
    {8, "Clipboard"},
    {9, "Icons"},
    {10, "About"},
    {11, "Apply"},
    {12, "Close"},
    {14, "Appearance"},
    {15, "ms"},
    {16, " Location "},
    {17, "Top"},
    {18, "Bottom"},
    {19, " Background picture "},
    {20, "Browse"},
    {21, "Background color"},
    {22, "None"},
    {23, "3D border"},
    {24, " Buttons "},
    {25, "Change menu button font"},
    {26, "Change group button font"},
    {27, "Group button width:"},
    {28, "Fixed width"},
    {29, "Auto hide panel with delay:"},
    {30, "Show panel on mouse move"},
    {31, "Always on top"},
    {32, "Add menu button"},
    {33, "Delete menu button"},
    {34, "Move up"},
    {35, "Move down"},
    {36, "Folder operation:"},
    {37, "Folders"},
    {38, "Rename"},
    {39, "Disk A:"},
    {40, "Disk B:"},
    {41, "Start Menu"},
    {42, "Desktop"},
    {43, "Favorites"},
    {44, "Personal"},
    {45, "Recent"},
    {46, "Templates"},
    {47, "explore"},
    {48, "open"},
    {49, "Icon size:"},
    {50, "Icons"},
    {51, "Add fast link"},
    {52, "Delete fast link"},
    {53, "Rename"},
    {54, "Move up"},
    {55, "Move down"},
    {56, "Rename"},
    {57, "Move down"},
    {58, "Move up"},
    {59, "Delay, ms:"},
    {60, "Delay on create icons"},
    {61, "Clipboard text max size:"},
    {63, "Clipboard"},
    {64, " Text file header "},
    {65, "Header char:"},
    {66, "Number of chars in header:"},
    {67, "Header:"},
    {68, "Divider char:"},
    {69, "Write header to file"},
    {70, "Write timestamp to file"},
    {71, "Add group"},
    {72, "Delete group"},
    {73, "Rename group"},
    {62, "Add links to files from folder tree"},
}};

}  // namespace

std::span<const InterfaceText> InterfaceTexts() {
  return kTexts;
}

std::string_view BuiltInText(int number) {
  for (const auto& text : kTexts) {
    if (text.number == number) return text.english;
  }
  return {};
}

}  // namespace brimdock
