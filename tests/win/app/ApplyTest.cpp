#include <gmock/gmock.h>

#include "settings/RegistryLayout.h"
#include "win/app/FormFixture.h"

namespace brimdock::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ApplyTest : public FormFixture {
 protected:
  void Store(const std::string& section, const std::string& name, const std::string& text) {
    registry.Put(RootKey::CurrentUser, Path(section), name, {ValueType::String, text});
  }
  std::string Stored(const std::string& section, const std::string& name) {
    const auto value = registry.Get(RootKey::CurrentUser, Path(section), name);
    return value ? value->data : "<missing>";
  }
  static std::string Path(const std::string& section) {
    return section.empty() ? std::string(kSettingsKey) : std::string(kSettingsKey) + "\\" + section;
  }
  void Apply() { SendMessageA(form->SpeedButApply.Handle(), BM_CLICK, 0, 0); }
};

TEST_F(ApplyTest, TheWindowShowsAPreparedStore) {
  Store("Appearance", "PanelTop", "1");
  Store("Appearance", "MenuButWidth", "900");
  Store("Appearance", "AutoHideDelay", "20000");
  Store("Clipboard", "clbMaxSize", "50");
  Store("Clipboard", "NumHeaderChars", "300");
  Store("Clipboard", "WriteHeader", "0");
  Store("Dirs", "ShellFolder", "Open");
  Store("Dirs", "NumDirs", "2");
  Store("Dirs", "Dir1", "C:\\Tools");
  Store("Dirs", "Nam1", "Tools");
  Store("Dirs", "Dir2", "D:\\Games");
  Store("Dirs", "Nam2", "Games");
  Store("Groups", "NumGroups", "2");
  Store("Groups\\Group1", "Name", "Work");
  Store("Groups\\Group1", "Hint", "Work hint");
  Store("Groups\\Group1", "NumItems", "1");
  Store("Groups\\Group1", "Item1", "C:\\edit.exe");
  Store("Groups\\Group1", "Nam1", "Editor");
  Store("Groups\\Group2", "Name", "Play");
  Store("Groups\\Group2", "Hint", "Play");
  TFormConfig& f = Open();

  EXPECT_EQ(f.Appearance.RGTopBottom.ItemIndex(), 0);
  EXPECT_EQ(f.Appearance.SEMenuButWidth.Text(), "500");
  EXPECT_EQ(f.Appearance.SEAutoHideDelay.Text(), "20000");
  EXPECT_EQ(f.Clipboard.SEClMaxSz.Text(), "1000");
  EXPECT_EQ(f.Clipboard.SENumHeaderChars.Text(), "250");
  EXPECT_FALSE(f.Clipboard.ChBWriteHeader.Checked());
  EXPECT_FALSE(f.Clipboard.EHeaderChar.Enabled());
  EXPECT_FALSE(f.Clipboard.SENumHeaderChars.Enabled());
  EXPECT_FALSE(f.Clipboard.EHeaderString.Enabled());
  EXPECT_TRUE(f.Clipboard.EDivideChar.Enabled());
  EXPECT_TRUE(f.Folders.RadioButExplore.Checked());
  EXPECT_THAT(f.Folders.LBFolders.Items(), ElementsAre("Tools \t C:\\Tools", "Games \t D:\\Games"));
  EXPECT_THAT(f.Icons.LBGroups.Items(), ElementsAre("Work hint", "Play"));
  EXPECT_EQ(f.Icons.LBGroups.ItemIndex(), 0);
  EXPECT_THAT(f.Icons.LBItems.Items(), ElementsAre("Editor \t C:\\edit.exe"));
  EXPECT_GT(f.Folders.LBFolders.HorizontalExtent(),
            f.Folders.LBFolders.TextWidth("Games \t D:\\Games"));
  EXPECT_FALSE(f.State.RefreshFlag);
  EXPECT_EQ(Stored("", "NeedRefresh"), "0");

  Apply();
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_EQ(Stored("Appearance", "MenuButWidth"), "500");
  EXPECT_EQ(Stored("Clipboard", "clbMaxSize"), "1000");
  EXPECT_EQ(Stored("Dirs", "ShellFolder"), "explore");
  EXPECT_EQ(Stored("Groups\\Group1", "Nam1"), "Editor");
  EXPECT_EQ(Stored("Groups\\Group2", "NumItems"), "0");
  EXPECT_EQ(Stored("", "Version"), "1.2.1");
  EXPECT_EQ(Stored("", "ProgramDir"), PacksFolder());
}

TEST_F(ApplyTest, AnEmptyStoreOpensWithNoGroupsAndApplyWritesEveryDefault) {
  TFormConfig& f = Open();
  EXPECT_EQ(f.Icons.LBGroups.ItemIndex(), -1);
  Apply();
  EXPECT_EQ(Stored("", "NeedRefresh"), "0");
  EXPECT_EQ(Stored("Dirs", "NumDirs"), "0");
  EXPECT_EQ(Stored("Groups", "NumGroups"), "0");
  EXPECT_EQ(Stored("Appearance", "BackgroundColor"), "-2147483633");
  EXPECT_EQ(Stored("Fonts", "GroupFontName"), "MS Sans Serif");
  EXPECT_EQ(Stored("Fonts", "MenuFontColor"), "-2147483640");
  EXPECT_EQ(Stored("Clipboard", "HeaderString"), "Brimdock clipboard file");
  EXPECT_EQ(f.Notebook1.ActivePage(), "Appearance");
}

TEST_F(ApplyTest, ApplyTakesSpinEditsAsTypedAndEditsAsTheyAre) {
  TFormConfig& f = Open();
  f.Appearance.SEAutoHideDelay.SetText("");
  f.Icons.SEIcons.SetText("300");
  f.Appearance.SEMenuButWidth.SetText("abc");
  f.Appearance.SEGroupButWidth.SetText("900");
  f.Clipboard.EHeaderChar.SetText("");
  f.Clipboard.EDivideChar.SetText("#");
  Apply();
  EXPECT_EQ(Stored("Appearance", "AutoHideDelay"), "0");
  EXPECT_EQ(Stored("Appearance", "sbIconSize"), "44");
  EXPECT_EQ(Stored("Appearance", "MenuButWidth"), "5");
  EXPECT_EQ(Stored("Appearance", "GroupButWidth"), "900");
  EXPECT_EQ(Stored("Clipboard", "HeaderChar"), "");
  EXPECT_EQ(Stored("Clipboard", "DivideChar"), "#");
}

TEST_F(ApplyTest, NeedRefreshFollowsTheRefreshFlag) {
  Store("Dirs", "Start_menu", "0");
  TFormConfig& f = Open();
  EXPECT_FALSE(f.Folders.CheckBox1.Checked());
  EXPECT_FALSE(f.State.RefreshFlag) << "showing a stored switch is no change";

  // A change that needs no refresh.
  SendMessageA(f.Appearance.ChBOnTop.Handle(), BM_CLICK, 0, 0);
  Apply();
  EXPECT_EQ(Stored("", "NeedRefresh"), "0");
  EXPECT_EQ(Stored("Appearance", "OnTop"), "0");

  // A switch toggled back to its stored state still asks for a refresh, at every later Apply.
  SendMessageA(f.Folders.CheckBox1.Handle(), BM_CLICK, 0, 0);
  SendMessageA(f.Folders.CheckBox1.Handle(), BM_CLICK, 0, 0);
  Apply();
  EXPECT_EQ(Stored("", "NeedRefresh"), "1");
  EXPECT_EQ(Stored("Dirs", "Start_menu"), "0");
  Apply();
  EXPECT_EQ(Stored("", "NeedRefresh"), "1");
  EXPECT_EQ(f.Notebook1.ActivePage(), "Appearance");
}

TEST_F(ApplyTest, CloseSavesNothing) {
  Store("Appearance", "OnTop", "1");
  TFormConfig& f = Open();
  SendMessageA(f.Appearance.ChBOnTop.Handle(), BM_CLICK, 0, 0);
  SendMessageA(f.SpeedButClose.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Stored("Appearance", "OnTop"), "1");
  EXPECT_EQ(Stored("", "NeedRefresh"), "0");
}

TEST_F(ApplyTest, AWrongTypedValueIsReplacedNamedOnceAndWrittenRightByApply) {
  registry.Put(RootKey::CurrentUser, Path("Appearance"), "GroupButWidth",
               {ValueType::Dword, std::string("\x78\0\0\0", 4)});
  registry.Put(RootKey::CurrentUser, Path("Dirs"), "NumDirs",
               {ValueType::Binary, std::string("\x01", 1)});
  Store("Appearance", "PanelTop", "1");
  TFormConfig& f = Open();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_THAT(dialogs.messages[0], HasSubstr("GroupButWidth"));
  EXPECT_THAT(dialogs.messages[0], HasSubstr("NumDirs"));
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_EQ(f.Appearance.SEGroupButWidth.Text(), "80");
  EXPECT_EQ(f.Appearance.RGTopBottom.ItemIndex(), 0) << "the other values still load";

  Apply();
  const auto width = registry.Get(RootKey::CurrentUser, Path("Appearance"), "GroupButWidth");
  ASSERT_TRUE(width);
  EXPECT_EQ(width->type, ValueType::String);
  EXPECT_EQ(width->data, "80");
}

TEST_F(ApplyTest, ARefusedWriteIsReportedAndTheWindowKeepsWorking) {
  Store("Dirs", "NumDirs", "1");
  Store("Dirs", "Dir1", "C:\\Tools");
  Store("Dirs", "Nam1", "Tools");
  TFormConfig& f = Open();
  registry.FailWriteAt(5);
  Apply();
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_THAT(dialogs.errors[0], HasSubstr("Failed to"));
  EXPECT_EQ(Stored("Dirs", "Nam1"), "Tools");

  Apply();
  EXPECT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(Stored("Dirs", "Nam1"), "Tools");
  EXPECT_EQ(f.Folders.LBFolders.Count(), 1);
}

}  // namespace
}  // namespace brimdock::testing
