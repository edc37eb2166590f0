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
      {"Label9", f.Label9, {0, 0, 397, 16}, "Appearance"},
      {"Bevel3", f.Bevel3, {0, 16, 397, 6}, ""},
      {"RGTopBottom", f.RGTopBottom, {0, 22, 397, 39}, " Location "},
      {"GBBackground", f.GBBackground, {0, 61, 397, 68}, " Background picture "},
      {"CBNoneBckgrnd", f.CBNoneBckgrnd, {10, 17, 56, 17}, "None"},
      {"SBBckgColor", f.SBBckgColor, {75, 15, 111, 21}, "Background color"},
      {"ChBBorder", f.ChBBorder, {205, 17, 76, 17}, "3D border"},
      {"SBBackGrnd", f.SBBackGrnd, {10, 40, 61, 21}, "Browse"},
      {"FileLabelBackGrnd", f.FileLabelBackGrnd, {75, 44, 311, 17}, ""},
      {"GBButtons", f.GBButtons, {0, 129, 397, 80}, " Buttons "},
      {"Image1", f.Image1, {10, 15, 186, 56}, ""},
      {"SBMenuFont", f.SBMenuFont, {15, 20, 176, 21}, "Change menu button font"},
      {"SBGroupFont", f.SBGroupFont, {15, 45, 176, 21}, "Change group button font"},
      {"ChBFixedMenuButWidth", f.ChBFixedMenuButWidth, {205, 20, 111, 17}, "Fixed width"},
      {"SEMenuButWidth", f.SEMenuButWidth, {320, 16, 51, 22}, "60"},
      {"Label15", f.Label15, {225, 51, 93, 13}, "Group button width:"},
      {"SEGroupButWidth", f.SEGroupButWidth, {320, 46, 51, 22}, "80"},
      {"ChBShowPanelOnMouseMove",
       f.ChBShowPanelOnMouseMove,
       {10, 225, 171, 17},
       "Show panel on mouse move"},
      {"ChBOnTop", f.ChBOnTop, {10, 245, 121, 17}, "Always on top"},
      {"ChBAutoHide", f.ChBAutoHide, {155, 245, 161, 17}, "Auto hide panel with delay:"},
      {"SEAutoHideDelay", f.SEAutoHideDelay, {320, 242, 51, 22}, "3000"},
      {"Label13", f.Label13, {372, 246, 13, 13}, "ms"},
  });
  EXPECT_EQ(f.RGTopBottom.ItemCount(), 2);
  EXPECT_EQ(f.RGTopBottom.Item(0), "Top");
  EXPECT_EQ(f.RGTopBottom.Item(1), "Bottom");
  EXPECT_TRUE(f.SBGroupFont.Down());
  EXPECT_FALSE(f.SBMenuFont.Down());
}

TEST_F(WindowLayoutTest, FoldersPageLayout) {
  TFormConfig& f = Open();
  ExpectPlaced({
      {"Label10", f.Label10, {0, 0, 397, 16}, "Folders"},
      {"Bevel4", f.Bevel4, {0, 16, 397, 6}, ""},
      {"SpeedButAddDir", f.SpeedButAddDir, {10, 20, 105, 21}, "Add menu button"},
      {"SpeedButDelDir", f.SpeedButDelDir, {115, 20, 105, 21}, "Delete menu button"},
      {"SBRenameDir", f.SBRenameDir, {220, 20, 70, 21}, "Rename"},
      {"LBFolders", f.LBFolders, {10, 45, 276, 196}, ""},
      {"SButUp", f.SButUp, {288, 45, 16, 99}, "\xAD"},
      {"SButDown", f.SButDown, {288, 144, 16, 99}, "\xAF"},
      {"CheckBox8", f.CheckBox8, {316, 50, 75, 17}, "Disk A:"},
      {"CheckBox7", f.CheckBox7, {316, 70, 75, 17}, "Disk B:"},
      {"CheckBox1", f.CheckBox1, {316, 90, 75, 17}, "Start Menu"},
      {"CheckBox2", f.CheckBox2, {316, 110, 75, 17}, "Desktop"},
      {"CheckBox3", f.CheckBox3, {316, 130, 75, 17}, "Favorites"},
      {"CheckBox4", f.CheckBox4, {316, 150, 75, 17}, "Personal"},
      {"CheckBox5", f.CheckBox5, {316, 170, 75, 17}, "Recent"},
      {"CheckBox6", f.CheckBox6, {316, 190, 75, 17}, "Templates"},
      {"Label1", f.Label1, {10, 247, 79, 13}, "Folder operation:"},
      {"RadioButOpen", f.RadioButOpen, {95, 246, 66, 17}, "open"},
      {"RadioButExplore", f.RadioButExplore, {160, 246, 66, 17}, "explore"},
  });
  EXPECT_EQ(f.SButUp.Hint(), "Move up");
  EXPECT_EQ(f.SButDown.Hint(), "Move down");
  EXPECT_EQ(f.LBFolders.ItemHeight(), 13);
  EXPECT_TRUE(GetWindowLongPtrA(f.LBFolders.Handle(), GWL_STYLE) & LBS_USETABSTOPS);
}

TEST_F(WindowLayoutTest, IconsPageLayout) {
  TFormConfig& f = Open();
  ExpectPlaced({
      {"Label11", f.Label11, {0, 0, 397, 16}, "Icons"},
      {"Bevel1", f.Bevel1, {0, 16, 397, 6}, ""},
      {"SBAddGroup", f.SBAddGroup, {5, 20, 20, 20}, "+"},
      {"SBDeleteGroup", f.SBDeleteGroup, {25, 20, 20, 20}, "-"},
      {"SBRenameGroup", f.SBRenameGroup, {45, 20, 61, 20}, "Rename"},
      {"LBGroups", f.LBGroups, {0, 45, 101, 196}, ""},
      {"SBUpGroup", f.SBUpGroup, {108, 45, 16, 98}, "\xAD"},
      {"SBDownGroup", f.SBDownGroup, {108, 143, 16, 99}, "\xAF"},
      {"SBAddItem", f.SBAddItem, {125, 20, 85, 20}, "Add fast link"},
      {"SBDelItem", f.SBDelItem, {210, 20, 90, 20}, "Delete fast link"},
      {"SBRenameItem", f.SBRenameItem, {300, 20, 75, 20}, "Rename"},
      {"SBFolder", f.SBFolder, {376, 20, 17, 20}, ""},
      {"LBItems", f.LBItems, {125, 45, 251, 196}, ""},
      {"SBUpItem", f.SBUpItem, {378, 45, 16, 98}, "\xAD"},
      {"SBDownItem", f.SBDownItem, {378, 143, 16, 99}, "\xAF"},
      {"Label8", f.Label8, {3, 249, 53, 13}, "Icon size:"},
      {"SEIcons", f.SEIcons, {61, 246, 46, 22}, "16"},
      {"ChBDelayIconCreate", f.ChBDelayIconCreate, {128, 248, 137, 17}, "Delay on create icons"},
      {"Label14", f.Label14, {268, 249, 53, 13}, "Delay, ms:"},
      {"SEDelayIconCreate", f.SEDelayIconCreate, {325, 245, 52, 22}, "100"},
  });
  const std::vector<std::pair<Control*, const char*>> hints = {
      {&f.SBAddGroup, "Add group"},       {&f.SBDeleteGroup, "Delete group"},
      {&f.SBRenameGroup, "Rename group"}, {&f.SBUpGroup, "Move up"},
      {&f.SBDownGroup, "Move down"},      {&f.SBUpItem, "Move up"},
      {&f.SBDownItem, "Move down"},       {&f.SBFolder, "Add links to files from folder tree"}};
  for (const auto& [control, hint] : hints) EXPECT_EQ(control->Hint(), hint);
  EXPECT_FALSE(GetWindowLongPtrA(f.LBGroups.Handle(), GWL_STYLE) & LBS_USETABSTOPS);
  EXPECT_TRUE(GetWindowLongPtrA(f.LBItems.Handle(), GWL_STYLE) & LBS_USETABSTOPS);
}

TEST_F(WindowLayoutTest, ClipboardPageLayout) {
  TFormConfig& f = Open();
  ExpectPlaced({
      {"Label12", f.Label12, {0, 0, 397, 16}, "Clipboard"},
      {"Bevel2", f.Bevel2, {0, 16, 397, 6}, ""},
      {"GBHeader", f.GBHeader, {0, 22, 397, 129}, " Text file header "},
      {"ChBWriteHeader", f.ChBWriteHeader, {10, 20, 186, 17}, "Write header to file"},
      {"ChBWriteTimeStamp", f.ChBWriteTimeStamp, {205, 20, 166, 17}, "Write timestamp to file"},
      {"Label4", f.Label4, {10, 45, 117, 13}, "Header char:"},
      {"EHeaderChar", f.EHeaderChar, {135, 40, 31, 21}, "*"},
      {"Label7", f.Label7, {170, 45, 105, 13}, "Divider char:"},
      {"EDivideChar", f.EDivideChar, {280, 40, 31, 21}, "-"},
      {"Label5", f.Label5, {95, 70, 129, 13}, "Number of chars in header:"},
      {"SENumHeaderChars", f.SENumHeaderChars, {230, 65, 41, 22}, "60"},
      {"Label6", f.Label6, {5, 100, 58, 13}, "Header:"},
      {"EHeaderString", f.EHeaderString, {70, 95, 306, 21}, "Brimdock clipboard file"},
      {"Label2", f.Label2, {15, 165, 171, 13}, "Clipboard text max size:"},
      {"SEClMaxSz", f.SEClMaxSz, {190, 160, 91, 22}, "5000"},
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
      {"SEMenuButWidth", f.SEMenuButWidth, 5, 500, 1, 4},
      {"SEGroupButWidth", f.SEGroupButWidth, 5, 500, 1, 4},
      {"SEAutoHideDelay", f.SEAutoHideDelay, 0, 0, 100, 4},
      {"SEIcons", f.SEIcons, 0, 0, 1, 3},
      {"SEDelayIconCreate", f.SEDelayIconCreate, 0, 0, 1, 4},
      {"SENumHeaderChars", f.SENumHeaderChars, 0, 250, 1, 0},
      {"SEClMaxSz", f.SEClMaxSz, 1000, 20000, 500, 0},
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
  EXPECT_EQ(f.EHeaderChar.MaxLength(), 1);
  EXPECT_EQ(f.EDivideChar.MaxLength(), 1);
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
      ElementsAre(f.RGTopBottom.ItemButton(1).Handle(), f.CBNoneBckgrnd.Handle(),
                  f.ChBBorder.Handle(), f.ChBFixedMenuButWidth.Handle(), f.SEMenuButWidth.Handle(),
                  f.SEGroupButWidth.Handle(), f.ChBShowPanelOnMouseMove.Handle(),
                  f.ChBOnTop.Handle(), f.ChBAutoHide.Handle(), f.SEAutoHideDelay.Handle()));
  f.SBPagesClick(&f.SBMenus);
  EXPECT_THAT(TabOrder(f),
              ElementsAre(f.LBFolders.Handle(), f.CheckBox8.Handle(), f.CheckBox7.Handle(),
                          f.CheckBox1.Handle(), f.CheckBox2.Handle(), f.CheckBox3.Handle(),
                          f.CheckBox4.Handle(), f.CheckBox5.Handle(), f.CheckBox6.Handle(),
                          f.RadioButOpen.Handle()));
  f.RadioButExplore.SetChecked(true);
  EXPECT_EQ(TabOrder(f).back(), f.RadioButExplore.Handle());
  f.SBPagesClick(&f.SBIcons);
  EXPECT_THAT(TabOrder(f),
              ElementsAre(f.LBGroups.Handle(), f.LBItems.Handle(), f.SEIcons.Handle(),
                          f.ChBDelayIconCreate.Handle(), f.SEDelayIconCreate.Handle()));
  f.SBPagesClick(&f.SBClipbrd);
  EXPECT_THAT(TabOrder(f), ElementsAre(f.ChBWriteHeader.Handle(), f.ChBWriteTimeStamp.Handle(),
                                       f.EHeaderChar.Handle(), f.EDivideChar.Handle(),
                                       f.SENumHeaderChars.Handle(), f.EHeaderString.Handle(),
                                       f.SEClMaxSz.Handle()));
}

}  // namespace
}  // namespace testing
}  // namespace brimdock
