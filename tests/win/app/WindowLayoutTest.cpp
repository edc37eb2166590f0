#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "win/app/FormFixture.h"

namespace brimdock {

std::ostream& operator<<(std::ostream& out, const Bounds& b) {
  return out << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}

namespace testing {
namespace {

using ::testing::ElementsAre;

struct Placed {
  const char* name;
  Control& control;
  Bounds bounds;
  std::string caption;
};

// A spin edit's field and arrows together take the place the layout gives it.
Bounds SpinBounds(SpinEdit& spin) {
  const Bounds field = spin.BoundsInParent();
  RECT arrows{};
  GetWindowRect(spin.ArrowsHandle(), &arrows);
  MapWindowPoints(HWND_DESKTOP, GetParent(spin.ArrowsHandle()), reinterpret_cast<POINT*>(&arrows),
                  2);
  return Bounds{field.left, field.top, arrows.right - field.left, field.height};
}

void ExpectPlaced(const std::vector<Placed>& table) {
  for (const Placed& p : table) {
    SCOPED_TRACE(p.name);
    auto* spin = dynamic_cast<SpinEdit*>(&p.control);
    EXPECT_EQ(spin ? SpinBounds(*spin) : p.control.BoundsInParent(), p.bounds);
    EXPECT_EQ(p.control.Caption(), p.caption);
  }
}

class WindowLayoutTest : public FormFixture {};

TEST_F(WindowLayoutTest, FrameIsAFixedDialogWithoutTitleBarButtons) {
  TFormConfig& f = Open();
  RECT client{};
  GetClientRect(f.Handle(), &client);
  EXPECT_EQ(client.right, 477);
  EXPECT_EQ(client.bottom, 321);
  const auto style = GetWindowLongPtrA(f.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongPtrA(f.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(f.BackgroundColor(), 12769704);
  EXPECT_EQ(f.Caption(), "Brimdock Configuration");

  LOGFONTA font{};
  GetObjectA(f.FontHandle(), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(font.lfHeight, -11);
}

TEST_F(WindowLayoutTest, FrameControlsStandWhereTheLayoutPutsThem) {
  TFormConfig& f = Open();
  ExpectPlaced({
      {"Panel2", f.Panel2, {0, 0, 76, 321}, ""},
      {"SBAppear", f.SBAppear, {5, 10, 66, 61}, "Appearance"},
      {"SBMenus", f.SBMenus, {5, 75, 66, 61}, "Folders"},
      {"SBIcons", f.SBIcons, {5, 140, 66, 61}, "Icons"},
      {"SBClipbrd", f.SBClipbrd, {5, 205, 66, 61}, "Clipboard"},
      {"SBAbout", f.SBAbout, {5, 272, 66, 33}, "About"},
      {"Panel3", f.Panel3, {76, 0, 401, 321}, ""},
      {"Panel1", f.Panel1, {1, 282, 399, 38}, ""},
      {"SpeedButApply", f.SpeedButApply, {125, 6, 65, 25}, "Apply"},
      {"SpeedButClose", f.SpeedButClose, {200, 6, 61, 25}, "Close"},
      {"Panel4", f.Panel4, {1, 1, 399, 281}, ""},
      {"Notebook1", f.Notebook1, {1, 1, 397, 279}, ""},
  });
}

TEST_F(WindowLayoutTest, AppearancePageLayout) {
  TFormConfig& f = Open();
  ExpectPlaced({
      {"Label9", f.Appearance.Label9, {0, 0, 397, 16}, "Appearance"},
      {"Bevel3", f.Appearance.Bevel3, {0, 16, 397, 6}, ""},
      {"RGTopBottom", f.Appearance.RGTopBottom, {0, 22, 397, 39}, " Location "},
      {"GBBackground", f.Appearance.GBBackground, {0, 61, 397, 68}, " Background picture "},
      {"CBNoneBckgrnd", f.Appearance.CBNoneBckgrnd, {10, 17, 56, 17}, "None"},
      {"SBBckgColor", f.Appearance.SBBckgColor, {75, 15, 111, 21}, "Background color"},
      {"ChBBorder", f.Appearance.ChBBorder, {205, 17, 76, 17}, "3D border"},
      {"SBBackGrnd", f.Appearance.SBBackGrnd, {10, 40, 61, 21}, "Browse"},
      {"FileLabelBackGrnd", f.Appearance.FileLabelBackGrnd, {75, 44, 311, 17}, ""},
      {"GBButtons", f.Appearance.GBButtons, {0, 129, 397, 80}, " Buttons "},
      {"Image1", f.Appearance.Image1, {10, 15, 186, 56}, ""},
      {"SBMenuFont", f.Appearance.SBMenuFont, {15, 20, 176, 21}, "Change menu button font"},
      {"SBGroupFont", f.Appearance.SBGroupFont, {15, 45, 176, 21}, "Change group button font"},
      {"ChBFixedMenuButWidth",
       f.Appearance.ChBFixedMenuButWidth,
       {205, 20, 111, 17},
       "Fixed width"},
      {"SEMenuButWidth", f.Appearance.SEMenuButWidth, {320, 16, 51, 22}, "60"},
      {"Label15", f.Appearance.Label15, {225, 51, 93, 13}, "Group button width:"},
      {"SEGroupButWidth", f.Appearance.SEGroupButWidth, {320, 46, 51, 22}, "80"},
      {"ChBShowPanelOnMouseMove",
       f.Appearance.ChBShowPanelOnMouseMove,
       {10, 225, 171, 17},
       "Show panel on mouse move"},
      {"ChBOnTop", f.Appearance.ChBOnTop, {10, 245, 121, 17}, "Always on top"},
      {"ChBAutoHide", f.Appearance.ChBAutoHide, {155, 245, 161, 17}, "Auto hide panel with delay:"},
      {"SEAutoHideDelay", f.Appearance.SEAutoHideDelay, {320, 242, 51, 22}, "3000"},
      {"Label13", f.Appearance.Label13, {372, 246, 13, 13}, "ms"},
  });
  EXPECT_EQ(f.Appearance.RGTopBottom.ItemCount(), 2);
  EXPECT_EQ(f.Appearance.RGTopBottom.Item(0), "Top");
  EXPECT_EQ(f.Appearance.RGTopBottom.Item(1), "Bottom");
  EXPECT_TRUE(f.Appearance.SBGroupFont.Down());
  EXPECT_FALSE(f.Appearance.SBMenuFont.Down());
}

TEST_F(WindowLayoutTest, FoldersPageLayout) {
  TFormConfig& f = Open();
  ExpectPlaced({
      {"Label10", f.Folders.Label10, {0, 0, 397, 16}, "Folders"},
      {"Bevel4", f.Folders.Bevel4, {0, 16, 397, 6}, ""},
      {"SpeedButAddDir", f.Folders.SpeedButAddDir, {10, 20, 105, 21}, "Add menu button"},
      {"SpeedButDelDir", f.Folders.SpeedButDelDir, {115, 20, 105, 21}, "Delete menu button"},
      {"SBRenameDir", f.Folders.SBRenameDir, {220, 20, 70, 21}, "Rename"},
      {"LBFolders", f.Folders.LBFolders, {10, 45, 276, 196}, ""},
      {"SButUp", f.Folders.SButUp, {288, 45, 16, 99}, "\xAD"},
      {"SButDown", f.Folders.SButDown, {288, 144, 16, 99}, "\xAF"},
      {"CheckBox8", f.Folders.CheckBox8, {316, 50, 75, 17}, "Disk A:"},
      {"CheckBox7", f.Folders.CheckBox7, {316, 70, 75, 17}, "Disk B:"},
      {"CheckBox1", f.Folders.CheckBox1, {316, 90, 75, 17}, "Start Menu"},
      {"CheckBox2", f.Folders.CheckBox2, {316, 110, 75, 17}, "Desktop"},
      {"CheckBox3", f.Folders.CheckBox3, {316, 130, 75, 17}, "Favorites"},
      {"CheckBox4", f.Folders.CheckBox4, {316, 150, 75, 17}, "Personal"},
      {"CheckBox5", f.Folders.CheckBox5, {316, 170, 75, 17}, "Recent"},
      {"CheckBox6", f.Folders.CheckBox6, {316, 190, 75, 17}, "Templates"},
      {"Label1", f.Folders.Label1, {10, 247, 79, 13}, "Folder operation:"},
      {"RadioButOpen", f.Folders.RadioButOpen, {95, 246, 66, 17}, "open"},
      {"RadioButExplore", f.Folders.RadioButExplore, {160, 246, 66, 17}, "explore"},
  });
  EXPECT_EQ(f.Folders.SButUp.Hint(), "Move up");
  EXPECT_EQ(f.Folders.SButDown.Hint(), "Move down");
  EXPECT_EQ(f.Folders.LBFolders.ItemHeight(), 13);
  EXPECT_TRUE(GetWindowLongPtrA(f.Folders.LBFolders.Handle(), GWL_STYLE) & LBS_USETABSTOPS);
}

TEST_F(WindowLayoutTest, IconsPageLayout) {
  TFormConfig& f = Open();
  ExpectPlaced({
      {"Label11", f.Icons.Label11, {0, 0, 397, 16}, "Icons"},
      {"Bevel1", f.Icons.Bevel1, {0, 16, 397, 6}, ""},
      {"SBAddGroup", f.Icons.SBAddGroup, {5, 20, 20, 20}, "+"},
      {"SBDeleteGroup", f.Icons.SBDeleteGroup, {25, 20, 20, 20}, "-"},
      {"SBRenameGroup", f.Icons.SBRenameGroup, {45, 20, 61, 20}, "Rename"},
      {"LBGroups", f.Icons.LBGroups, {0, 45, 101, 196}, ""},
      {"SBUpGroup", f.Icons.SBUpGroup, {108, 45, 16, 98}, "\xAD"},
      {"SBDownGroup", f.Icons.SBDownGroup, {108, 143, 16, 99}, "\xAF"},
      {"SBAddItem", f.Icons.SBAddItem, {125, 20, 85, 20}, "Add fast link"},
      {"SBDelItem", f.Icons.SBDelItem, {210, 20, 90, 20}, "Delete fast link"},
      {"SBRenameItem", f.Icons.SBRenameItem, {300, 20, 75, 20}, "Rename"},
      {"SBFolder", f.Icons.SBFolder, {376, 20, 17, 20}, ""},
      {"LBItems", f.Icons.LBItems, {125, 45, 251, 196}, ""},
      {"SBUpItem", f.Icons.SBUpItem, {378, 45, 16, 98}, "\xAD"},
      {"SBDownItem", f.Icons.SBDownItem, {378, 143, 16, 99}, "\xAF"},
      {"Label8", f.Icons.Label8, {3, 249, 53, 13}, "Icon size:"},
      {"SEIcons", f.Icons.SEIcons, {61, 246, 46, 22}, "16"},
      {"ChBDelayIconCreate",
       f.Icons.ChBDelayIconCreate,
       {128, 248, 137, 17},
       "Delay on create icons"},
      {"Label14", f.Icons.Label14, {268, 249, 53, 13}, "Delay, ms:"},
      {"SEDelayIconCreate", f.Icons.SEDelayIconCreate, {325, 245, 52, 22}, "100"},
  });
  const std::vector<std::pair<Control*, const char*>> hints = {
      {&f.Icons.SBAddGroup, "Add group"},
      {&f.Icons.SBDeleteGroup, "Delete group"},
      {&f.Icons.SBRenameGroup, "Rename group"},
      {&f.Icons.SBUpGroup, "Move up"},
      {&f.Icons.SBDownGroup, "Move down"},
      {&f.Icons.SBUpItem, "Move up"},
      {&f.Icons.SBDownItem, "Move down"},
      {&f.Icons.SBFolder, "Add links to files from folder tree"}};
  for (const auto& [control, hint] : hints) EXPECT_EQ(control->Hint(), hint);
  EXPECT_FALSE(GetWindowLongPtrA(f.Icons.LBGroups.Handle(), GWL_STYLE) & LBS_USETABSTOPS);
  EXPECT_TRUE(GetWindowLongPtrA(f.Icons.LBItems.Handle(), GWL_STYLE) & LBS_USETABSTOPS);
}

TEST_F(WindowLayoutTest, ClipboardPageLayout) {
  TFormConfig& f = Open();
  ExpectPlaced({
      {"Label12", f.Clipboard.Label12, {0, 0, 397, 16}, "Clipboard"},
      {"Bevel2", f.Clipboard.Bevel2, {0, 16, 397, 6}, ""},
      {"GBHeader", f.Clipboard.GBHeader, {0, 22, 397, 129}, " Text file header "},
      {"ChBWriteHeader", f.Clipboard.ChBWriteHeader, {10, 20, 186, 17}, "Write header to file"},
      {"ChBWriteTimeStamp",
       f.Clipboard.ChBWriteTimeStamp,
       {205, 20, 166, 17},
       "Write timestamp to file"},
      {"Label4", f.Clipboard.Label4, {10, 45, 117, 13}, "Header char:"},
      {"EHeaderChar", f.Clipboard.EHeaderChar, {135, 40, 31, 21}, "*"},
      {"Label7", f.Clipboard.Label7, {170, 45, 105, 13}, "Divider char:"},
      {"EDivideChar", f.Clipboard.EDivideChar, {280, 40, 31, 21}, "-"},
      {"Label5", f.Clipboard.Label5, {95, 70, 129, 13}, "Number of chars in header:"},
      {"SENumHeaderChars", f.Clipboard.SENumHeaderChars, {230, 65, 41, 22}, "60"},
      {"Label6", f.Clipboard.Label6, {5, 100, 58, 13}, "Header:"},
      {"EHeaderString", f.Clipboard.EHeaderString, {70, 95, 306, 21}, "Brimdock clipboard file"},
      {"Label2", f.Clipboard.Label2, {15, 165, 171, 13}, "Clipboard text max size:"},
      {"SEClMaxSz", f.Clipboard.SEClMaxSz, {190, 160, 91, 22}, "5000"},
  });
}

TEST_F(WindowLayoutTest, SpinEditsAndEditsHaveTheirRangesAndLengths) {
  TFormConfig& f = Open();
  struct Spin {
    const char* name;
    SpinEdit& spin;
    int min, max, increment, maxLength;
  };
  const Spin spins[] = {
      {"SEMenuButWidth", f.Appearance.SEMenuButWidth, 5, 500, 1, 4},
      {"SEGroupButWidth", f.Appearance.SEGroupButWidth, 5, 500, 1, 4},
      {"SEAutoHideDelay", f.Appearance.SEAutoHideDelay, 0, 0, 100, 4},
      {"SEIcons", f.Icons.SEIcons, 0, 0, 1, 3},
      {"SEDelayIconCreate", f.Icons.SEDelayIconCreate, 0, 0, 1, 4},
      {"SENumHeaderChars", f.Clipboard.SENumHeaderChars, 0, 250, 1, 0},
      {"SEClMaxSz", f.Clipboard.SEClMaxSz, 1000, 20000, 500, 0},
  };
  for (const Spin& s : spins) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ(s.spin.MinValue(), s.min);
    EXPECT_EQ(s.spin.MaxValue(), s.max);
    EXPECT_EQ(s.spin.Increment(), s.increment);
    if (s.maxLength > 0) {
      EXPECT_EQ(s.spin.MaxLength(), s.maxLength);
    }
  }
  EXPECT_EQ(f.Clipboard.EHeaderChar.MaxLength(), 1);
  EXPECT_EQ(f.Clipboard.EDivideChar.MaxLength(), 1);
}

// The controls the Tab key visits on the page shown, in order.
std::vector<HWND> TabOrder(TFormConfig& f) {
  std::vector<HWND> order;
  HWND first = GetNextDlgTabItem(f.Handle(), nullptr, FALSE);
  for (HWND at = first; at;) {
    order.push_back(at);
    at = GetNextDlgTabItem(f.Handle(), at, FALSE);
    if (at == first) break;
  }
  return order;
}

TEST_F(WindowLayoutTest, EachPageIsVisitedInItsTabOrder) {
  TFormConfig& f = Open();
  // A group of radio buttons is visited through its chosen one.
  EXPECT_THAT(
      TabOrder(f),
      ElementsAre(f.Appearance.RGTopBottom.ItemButton(1).Handle(),
                  f.Appearance.CBNoneBckgrnd.Handle(), f.Appearance.ChBBorder.Handle(),
                  f.Appearance.ChBFixedMenuButWidth.Handle(), f.Appearance.SEMenuButWidth.Handle(),
                  f.Appearance.SEGroupButWidth.Handle(),
                  f.Appearance.ChBShowPanelOnMouseMove.Handle(), f.Appearance.ChBOnTop.Handle(),
                  f.Appearance.ChBAutoHide.Handle(), f.Appearance.SEAutoHideDelay.Handle()));
  f.SBPagesClick(&f.SBMenus);
  EXPECT_THAT(TabOrder(f),
              ElementsAre(f.Folders.LBFolders.Handle(), f.Folders.CheckBox8.Handle(),
                          f.Folders.CheckBox7.Handle(), f.Folders.CheckBox1.Handle(),
                          f.Folders.CheckBox2.Handle(), f.Folders.CheckBox3.Handle(),
                          f.Folders.CheckBox4.Handle(), f.Folders.CheckBox5.Handle(),
                          f.Folders.CheckBox6.Handle(), f.Folders.RadioButOpen.Handle()));
  f.Folders.RadioButExplore.SetChecked(true);
  EXPECT_EQ(TabOrder(f).back(), f.Folders.RadioButExplore.Handle());
  f.SBPagesClick(&f.SBIcons);
  EXPECT_THAT(
      TabOrder(f),
      ElementsAre(f.Icons.LBGroups.Handle(), f.Icons.LBItems.Handle(), f.Icons.SEIcons.Handle(),
                  f.Icons.ChBDelayIconCreate.Handle(), f.Icons.SEDelayIconCreate.Handle()));
  f.SBPagesClick(&f.SBClipbrd);
  EXPECT_THAT(TabOrder(f),
              ElementsAre(f.Clipboard.ChBWriteHeader.Handle(),
                          f.Clipboard.ChBWriteTimeStamp.Handle(), f.Clipboard.EHeaderChar.Handle(),
                          f.Clipboard.EDivideChar.Handle(), f.Clipboard.SENumHeaderChars.Handle(),
                          f.Clipboard.EHeaderString.Handle(), f.Clipboard.SEClMaxSz.Handle()));
}

}  // namespace
}  // namespace testing
}  // namespace brimdock
