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
  EXPECT_FALSE(f.State.RefreshFlag);
  EXPECT_EQ(f.State.ProgramFolder, PacksFolder());
  EXPECT_EQ(f.State.LastFolder, "C:\\");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(dialogs.errors.empty());

  // Appearance: at the bottom; no picture can be shown, so "None" is on, the picture controls
  // are off and the colour on.
  EXPECT_EQ(f.Appearance.RGTopBottom.ItemIndex(), 1);
  EXPECT_TRUE(f.Appearance.CBNoneBckgrnd.Checked());
  EXPECT_FALSE(f.Appearance.SBBackGrnd.Enabled());
  EXPECT_FALSE(f.Appearance.FileLabelBackGrnd.Enabled());
  EXPECT_TRUE(f.Appearance.SBBckgColor.Enabled());
  for (CheckBox* box :
       {&f.Appearance.ChBBorder, &f.Appearance.ChBShowPanelOnMouseMove, &f.Appearance.ChBAutoHide,
        &f.Appearance.ChBOnTop, &f.Appearance.ChBFixedMenuButWidth, &f.Icons.ChBDelayIconCreate,
        &f.Clipboard.ChBWriteHeader, &f.Clipboard.ChBWriteTimeStamp, &f.Folders.CheckBox1,
        &f.Folders.CheckBox2, &f.Folders.CheckBox3, &f.Folders.CheckBox4, &f.Folders.CheckBox5,
        &f.Folders.CheckBox6, &f.Folders.CheckBox7, &f.Folders.CheckBox8}) {
    EXPECT_TRUE(box->Checked()) << box->Caption();
  }
  EXPECT_TRUE(f.Folders.RadioButOpen.Checked());
  EXPECT_FALSE(f.Folders.RadioButExplore.Checked());
  const std::vector<Control*> governed = {
      &f.Appearance.SEAutoHideDelay, &f.Appearance.SEMenuButWidth,  &f.Icons.SEDelayIconCreate,
      &f.Clipboard.EHeaderChar,      &f.Clipboard.SENumHeaderChars, &f.Clipboard.EHeaderString};
  for (Control* enabled : governed) {
    EXPECT_TRUE(enabled->Enabled());
  }
  EXPECT_EQ(f.Folders.LBFolders.Count(), 0);
  EXPECT_EQ(f.Icons.LBGroups.Count(), 0);
  EXPECT_EQ(f.Icons.LBItems.Count(), 0);
}

TEST_F(StartupTest, FontDefaultsComeFromTheFontButtons) {
  TFormConfig& f = Open();
  EXPECT_EQ(f.State.Settings.MenuFontName, "MS Sans Serif");
  EXPECT_EQ(f.State.Settings.MenuFontSize, 8);
  EXPECT_EQ(f.State.Settings.MenuFontCharset, 1);
  EXPECT_EQ(f.State.Settings.MenuFontColor, clWindowText);
  EXPECT_FALSE(f.State.Settings.GroupFontBold || f.State.Settings.GroupFontItalic ||
               f.State.Settings.GroupFontUnderline || f.State.Settings.GroupFontStrikeOut);
  EXPECT_EQ(f.Appearance.SBGroupFont.OwnFont(), f.Appearance.SBMenuFont.OwnFont());
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
  EXPECT_FALSE(f.State.RefreshFlag);
}

TEST_F(StartupTest, EnableRulesFollowTheirCheckBoxes) {
  TFormConfig& f = Open();
  struct Rule {
    CheckBox& box;
    std::vector<Control*> governed;
  };
  const Rule rules[] = {
      {f.Appearance.ChBAutoHide, {&f.Appearance.SEAutoHideDelay}},
      {f.Appearance.ChBFixedMenuButWidth, {&f.Appearance.SEMenuButWidth}},
      {f.Icons.ChBDelayIconCreate, {&f.Icons.SEDelayIconCreate}},
      {f.Clipboard.ChBWriteHeader,
       {&f.Clipboard.EHeaderChar, &f.Clipboard.SENumHeaderChars, &f.Clipboard.EHeaderString}},
  };
  for (const Rule& rule : rules) {
    SCOPED_TRACE(rule.box.Caption());
    SendMessageA(rule.box.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(rule.box.Checked());
    for (Control* c : rule.governed) EXPECT_FALSE(c->Enabled());
    rule.box.SetChecked(true);
    for (Control* c : rule.governed) EXPECT_TRUE(c->Enabled());
  }
  EXPECT_TRUE(f.Clipboard.EDivideChar.Enabled());
  EXPECT_TRUE(f.Clipboard.ChBWriteTimeStamp.Enabled());

  // Clearing "None" turns the picture controls on; with no picture to show, the preview turns
  // the setting on again.
  SendMessageA(f.Appearance.CBNoneBckgrnd.Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(f.Appearance.CBNoneBckgrnd.Checked());
  EXPECT_TRUE(f.Appearance.SBBackGrnd.Enabled());
  EXPECT_TRUE(f.Appearance.FileLabelBackGrnd.Enabled());
  EXPECT_FALSE(f.Appearance.SBBckgColor.Enabled());
  EXPECT_TRUE(f.State.Settings.NoneBckgrnd);
}

TEST_F(StartupTest, RefreshTriggersOfThePagesSetTheFlag) {
  TFormConfig& f = Open();
  SendMessageA(f.Folders.CheckBox3.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(f.State.RefreshFlag);

  f.State.RefreshFlag = false;
  SendMessageA(f.Appearance.RGTopBottom.ItemButton(0).Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(f.Appearance.RGTopBottom.ItemIndex(), 0);
  EXPECT_TRUE(f.State.RefreshFlag);
  f.State.RefreshFlag = false;
  SendMessageA(f.Appearance.RGTopBottom.ItemButton(0).Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(f.State.RefreshFlag) << "choosing the chosen location is no change";

  f.Icons.SEIcons.SetText("32");
  EXPECT_TRUE(f.State.RefreshFlag);

  f.State.RefreshFlag = false;
  SendMessageA(f.Folders.RadioButExplore.Handle(), BM_CLICK, 0, 0);
  SendMessageA(f.Appearance.ChBOnTop.Handle(), BM_CLICK, 0, 0);
  SendMessageA(f.Clipboard.ChBWriteHeader.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(f.Folders.RadioButExplore.Checked());
  EXPECT_FALSE(f.Folders.RadioButOpen.Checked());
  EXPECT_FALSE(f.State.RefreshFlag);
}

TEST_F(StartupTest, CloseDestroysTheWindowAndFreesTheLists) {
  TFormConfig& f = Open();
  f.State.FolderButtons = {FolderButton{"Tools", "C:\\Tools"}};
  HWND window = f.Handle();
  SendMessageA(f.SpeedButClose.Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(f.State.FolderButtons.empty());
}

}  // namespace
}  // namespace brimdock::testing
