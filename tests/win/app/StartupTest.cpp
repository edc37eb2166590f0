#include <gmock/gmock.h>

#include "win/app/FormFixture.h"

namespace brimdock::testing {
namespace {

class StartupTest : public FormFixture {};

TEST_F(StartupTest, OpensOnTheAppearancePageWithTheDefaultsShownAndNoRefreshPending) {
  TFormConfig& f = Open();
  EXPECT_EQ(f.Notebook1.ActivePage(), "Appearance");
  EXPECT_TRUE(f.Notebook1.Page("Appearance").Visible());
  EXPECT_FALSE(f.Notebook1.Page("Folders").Visible());
  EXPECT_FALSE(f.RefreshFlag);
  EXPECT_EQ(f.ProgramFolder, PacksFolder());
  EXPECT_EQ(f.LastFolder, "C:\\");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(dialogs.errors.empty());

  // Appearance: at the bottom, no "None", so the picture controls are on and the colour off.
  EXPECT_EQ(f.RGTopBottom.ItemIndex(), 1);
  EXPECT_FALSE(f.CBNoneBckgrnd.Checked());
  EXPECT_TRUE(f.SBBackGrnd.Enabled());
  EXPECT_TRUE(f.FileLabelBackGrnd.Enabled());
  EXPECT_FALSE(f.SBBckgColor.Enabled());
  for (CheckBox* box : {&f.ChBBorder, &f.ChBShowPanelOnMouseMove, &f.ChBAutoHide, &f.ChBOnTop,
                        &f.ChBFixedMenuButWidth, &f.ChBDelayIconCreate, &f.ChBWriteHeader,
                        &f.ChBWriteTimeStamp, &f.CheckBox1, &f.CheckBox2, &f.CheckBox3,
                        &f.CheckBox4, &f.CheckBox5, &f.CheckBox6, &f.CheckBox7, &f.CheckBox8}) {
    EXPECT_TRUE(box->Checked()) << box->Caption();
  }
  EXPECT_TRUE(f.RadioButOpen.Checked());
  EXPECT_FALSE(f.RadioButExplore.Checked());
  const std::vector<Control*> governed = {&f.SEAutoHideDelay,   &f.SEMenuButWidth,
                                          &f.SEDelayIconCreate, &f.EHeaderChar,
                                          &f.SENumHeaderChars,  &f.EHeaderString};
  for (Control* enabled : governed) {
    EXPECT_TRUE(enabled->Enabled());
  }
  EXPECT_EQ(f.LBFolders.Count(), 0);
  EXPECT_EQ(f.LBGroups.Count(), 0);
  EXPECT_EQ(f.LBItems.Count(), 0);
}

TEST_F(StartupTest, FontDefaultsComeFromTheFontButtons) {
  TFormConfig& f = Open();
  EXPECT_EQ(f.Settings.MenuFontName, "MS Sans Serif");
  EXPECT_EQ(f.Settings.MenuFontSize, 8);
  EXPECT_EQ(f.Settings.MenuFontCharset, 1);
  EXPECT_EQ(f.Settings.MenuFontColor, clWindowText);
  EXPECT_FALSE(f.Settings.GroupFontBold || f.Settings.GroupFontItalic ||
               f.Settings.GroupFontUnderline || f.Settings.GroupFontStrikeOut);
  EXPECT_EQ(f.SBGroupFont.OwnFont(), f.SBMenuFont.OwnFont());
}

TEST_F(StartupTest, PageButtonsSwitchPagesAndOtherSendersChangeNothing) {
  TFormConfig& f = Open();
  const std::pair<SpeedButton*, const char*> buttons[] = {{&f.SBMenus, "Folders"},
                                                          {&f.SBIcons, "Icons"},
                                                          {&f.SBClipbrd, "Clipboard"},
                                                          {&f.SBAppear, "Appearance"}};
  for (const auto& [button, page] : buttons) {
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(f.Notebook1.ActivePage(), page);
    EXPECT_TRUE(f.Notebook1.Page(page).Visible());
  }
  f.SBPagesClick(&f.SBMenus);
  f.SBPagesClick(&f.SpeedButApply);
  f.SBPagesClick(nullptr);
  EXPECT_EQ(f.Notebook1.ActivePage(), "Folders");
  EXPECT_FALSE(f.RefreshFlag);
}

TEST_F(StartupTest, EnableRulesFollowTheirCheckBoxes) {
  TFormConfig& f = Open();
  struct Rule {
    CheckBox& box;
    std::vector<Control*> governed;
  };
  const Rule rules[] = {
      {f.ChBAutoHide, {&f.SEAutoHideDelay}},
      {f.ChBFixedMenuButWidth, {&f.SEMenuButWidth}},
      {f.ChBDelayIconCreate, {&f.SEDelayIconCreate}},
      {f.ChBWriteHeader, {&f.EHeaderChar, &f.SENumHeaderChars, &f.EHeaderString}},
  };
  for (const Rule& rule : rules) {
    SCOPED_TRACE(rule.box.Caption());
    SendMessageA(rule.box.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(rule.box.Checked());
    for (Control* c : rule.governed) EXPECT_FALSE(c->Enabled());
    rule.box.SetChecked(true);
    for (Control* c : rule.governed) EXPECT_TRUE(c->Enabled());
  }
  EXPECT_TRUE(f.EDivideChar.Enabled());
  EXPECT_TRUE(f.ChBWriteTimeStamp.Enabled());

  SendMessageA(f.CBNoneBckgrnd.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(f.Settings.NoneBckgrnd);
  EXPECT_FALSE(f.SBBackGrnd.Enabled());
  EXPECT_FALSE(f.FileLabelBackGrnd.Enabled());
  EXPECT_TRUE(f.SBBckgColor.Enabled());
}

TEST_F(StartupTest, RefreshTriggersOfThePagesSetTheFlag) {
  TFormConfig& f = Open();
  SendMessageA(f.CheckBox3.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(f.RefreshFlag);

  f.RefreshFlag = false;
  SendMessageA(f.RGTopBottom.ItemButton(0).Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(f.RGTopBottom.ItemIndex(), 0);
  EXPECT_TRUE(f.RefreshFlag);
  f.RefreshFlag = false;
  SendMessageA(f.RGTopBottom.ItemButton(0).Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(f.RefreshFlag) << "choosing the chosen location is no change";

  f.SEIcons.SetText("32");
  EXPECT_TRUE(f.RefreshFlag);

  f.RefreshFlag = false;
  SendMessageA(f.RadioButExplore.Handle(), BM_CLICK, 0, 0);
  SendMessageA(f.ChBOnTop.Handle(), BM_CLICK, 0, 0);
  SendMessageA(f.ChBWriteHeader.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(f.RadioButExplore.Checked());
  EXPECT_FALSE(f.RadioButOpen.Checked());
  EXPECT_FALSE(f.RefreshFlag);
}

TEST_F(StartupTest, CloseDestroysTheWindowAndFreesTheLists) {
  TFormConfig& f = Open();
  f.FolderNames = {"Tools"};
  f.FolderPaths = {"C:\\Tools"};
  HWND window = f.Handle();
  SendMessageA(f.SpeedButClose.Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(f.FolderNames.empty());
  EXPECT_TRUE(f.FolderPaths.empty());
}

}  // namespace
}  // namespace brimdock::testing
