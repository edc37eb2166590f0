#include <gmock/gmock.h>

#include "settings/RegistryLayout.h"
#include "win/app/FormFixture.h"

namespace brimdock::testing {
namespace {

using ::testing::ElementsAre;

class FoldersPageTest : public FormFixture {
 protected:
  // A store with the given folder-menu buttons, opened on the Folders page.
  TFormConfig& OpenWith(const std::vector<std::pair<std::string, std::string>>& buttons) {
    const std::string dirs = std::string(kSettingsKey) + "\\Dirs";
    registry.Put(RootKey::CurrentUser, dirs, "NumDirs",
                 {ValueType::String, std::to_string(buttons.size())});
    for (size_t i = 0; i < buttons.size(); ++i) {
      const auto n = std::to_string(i + 1);
      registry.Put(RootKey::CurrentUser, dirs, "Nam" + n, {ValueType::String, buttons[i].first});
      registry.Put(RootKey::CurrentUser, dirs, "Dir" + n, {ValueType::String, buttons[i].second});
    }
    TFormConfig& f = Open();
    f.SBPagesClick(&f.SBMenus);
    return f;
  }
};

TEST_F(FoldersPageTest, AddAsksForAFolderThenANameAndAppends) {
  TFormConfig& f = OpenWith({{"Tools", "C:\\Tools"}});
  f.Folders.LBFolders.SetItemIndex(0);
  dialogs.directoryAnswers = {"D:\\Games"};
  dialogs.inputAnswers = {"Games"};
  SendMessageA(f.Folders.SpeedButAddDir.Handle(), BM_CLICK, 0, 0);
  EXPECT_THAT(dialogs.directoryStarts, ElementsAre("C:\\"));
  EXPECT_THAT(dialogs.prompts,
              ElementsAre("Brimdock Configuration|" + f.Lang1.GetMessageText(13) + "|"));
  EXPECT_THAT(Names(f.State.FolderButtons), ElementsAre("Tools", "Games"));
  EXPECT_THAT(Paths(f.State.FolderButtons), ElementsAre("C:\\Tools", "D:\\Games"));
  EXPECT_THAT(f.Folders.LBFolders.Items(), ElementsAre("Tools \t C:\\Tools", "Games \t D:\\Games"));
  EXPECT_EQ(f.Folders.LBFolders.ItemIndex(), 0) << "the selection is not moved";
  EXPECT_TRUE(f.Folders.LBFolders.Focused() || !IsWindowVisible(f.Handle()));
  EXPECT_TRUE(f.State.RefreshFlag);
}

TEST_F(FoldersPageTest, AnEmptyOrCancelledNameAddsNothingButTheFolderIsRemembered) {
  TFormConfig& f = OpenWith({});
  dialogs.directoryAnswers = {"D:\\Games", "E:\\Music", std::nullopt};
  dialogs.inputAnswers = {"", std::nullopt};
  f.Folders.SpeedButAddDirClick(&f.Folders.SpeedButAddDir);
  f.Folders.SpeedButAddDirClick(&f.Folders.SpeedButAddDir);
  f.Folders.SpeedButAddDirClick(&f.Folders.SpeedButAddDir);
  EXPECT_THAT(dialogs.directoryStarts, ElementsAre("C:\\", "D:\\Games", "E:\\Music"));
  EXPECT_EQ(f.State.LastFolder, "E:\\Music");
  EXPECT_TRUE(f.State.FolderButtons.empty());
  EXPECT_EQ(f.Folders.LBFolders.Count(), 0);
  EXPECT_FALSE(f.State.RefreshFlag);
}

TEST_F(FoldersPageTest, DeleteAsksAndSelectsTheRowThatTookItsPlace) {
  const struct {
    std::vector<int> deletes;  // selected row before each delete
    std::vector<std::string> left;
    int selected;
  } cases[] = {
      {{1}, {"a", "c"}, 1},
      {{2}, {"a", "b"}, 1},
      {{0, 0, 0}, {}, -1},
  };
  for (const auto& c : cases) {
    TFormConfig& f = OpenWith({{"a", "A:\\"}, {"b", "B:\\"}, {"c", "C:\\"}});
    for (int row : c.deletes) {
      f.Folders.LBFolders.SetItemIndex(row);
      dialogs.confirmAnswers = {Answer::Yes};
      f.Folders.SpeedButDelDirClick(&f.Folders.SpeedButDelDir);
    }
    EXPECT_EQ(Names(f.State.FolderButtons), c.left);
    EXPECT_EQ(Paths(f.State.FolderButtons).size(), c.left.size());
    EXPECT_EQ(f.Folders.LBFolders.Count(), static_cast<int>(c.left.size()));
    EXPECT_EQ(f.Folders.LBFolders.ItemIndex(), c.selected);
    EXPECT_TRUE(f.State.RefreshFlag);
    EXPECT_EQ(dialogs.questions.front(), f.Lang1.GetMessageText(14) + " b \t B:\\?");
  }
}

TEST_F(FoldersPageTest, OnlyNoKeepsTheRow) {
  const struct {
    Answer answer;
    int left;
  } cases[] = {{Answer::No, 1}, {Answer::Closed, 0}, {Answer::Yes, 0}};
  for (const auto& c : cases) {
    TFormConfig& f = OpenWith({{"a", "A:\\"}});
    f.Folders.LBFolders.SetItemIndex(0);
    dialogs.confirmAnswers = {c.answer};
    f.Folders.SpeedButDelDirClick(&f.Folders.SpeedButDelDir);
    EXPECT_EQ(f.Folders.LBFolders.Count(), c.left);
    EXPECT_EQ(f.State.RefreshFlag, c.left == 0);
  }
}

TEST_F(FoldersPageTest, RenameKeepsTheFolderAndCancelStoresTheNameAgain) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}, {"b", "B:\\"}});
  f.Folders.SBRenameDirClick(&f.Folders.SBRenameDir);
  EXPECT_TRUE(dialogs.prompts.empty()) << "no selection, no question";

  f.Folders.LBFolders.SetItemIndex(1);
  dialogs.inputAnswers = {"Bee", std::nullopt, ""};
  f.Folders.SBRenameDirClick(&f.Folders.SBRenameDir);
  EXPECT_THAT(f.Folders.LBFolders.Items(), ElementsAre("a \t A:\\", "Bee \t B:\\"));
  EXPECT_EQ(f.Folders.LBFolders.ItemIndex(), 1);
  EXPECT_THAT(dialogs.prompts.back(), ::testing::EndsWith("|b"));

  f.State.RefreshFlag = false;
  f.Folders.SBRenameDirClick(&f.Folders.SBRenameDir);
  EXPECT_THAT(Names(f.State.FolderButtons), ElementsAre("a", "Bee"));
  EXPECT_TRUE(f.State.RefreshFlag) << "cancel stores the current name again";

  f.State.RefreshFlag = false;
  f.Folders.SBRenameDirClick(&f.Folders.SBRenameDir);
  EXPECT_FALSE(f.State.RefreshFlag) << "an empty name changes nothing";
}

TEST_F(FoldersPageTest, MovesExchangeListsAndRowsTogether) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}, {"b", "B:\\"}, {"c", "C:\\"}});
  f.Folders.SButUpDownClick(&f.Folders.SButUp);
  EXPECT_EQ(f.Folders.LBFolders.ItemIndex(), -1);
  EXPECT_TRUE(f.State.RefreshFlag) << "even with nothing selected";
  f.Folders.SButUpDownClick(&f.Folders.SButDown);
  EXPECT_EQ(f.Folders.LBFolders.ItemIndex(), 0) << "down with no selection selects the first row";
  EXPECT_THAT(Names(f.State.FolderButtons), ElementsAre("a", "b", "c"));

  f.Folders.LBFolders.SetItemIndex(1);
  SendMessageA(f.Folders.SButUp.Handle(), BM_CLICK, 0, 0);
  EXPECT_THAT(Names(f.State.FolderButtons), ElementsAre("b", "a", "c"));
  EXPECT_THAT(Paths(f.State.FolderButtons), ElementsAre("B:\\", "A:\\", "C:\\"));
  EXPECT_THAT(f.Folders.LBFolders.Items(), ElementsAre("b \t B:\\", "a \t A:\\", "c \t C:\\"));
  EXPECT_EQ(f.Folders.LBFolders.ItemIndex(), 0);

  SendMessageA(f.Folders.SButUp.Handle(), BM_CLICK, 0, 0);
  f.Folders.LBFolders.SetItemIndex(2);
  SendMessageA(f.Folders.SButDown.Handle(), BM_CLICK, 0, 0);
  EXPECT_THAT(Names(f.State.FolderButtons), ElementsAre("b", "a", "c"));
  EXPECT_EQ(f.Folders.LBFolders.ItemIndex(), 2);
}

TEST_F(FoldersPageTest, InsertAndDeleteKeysActOnlyWithoutShiftKeys) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}});
  f.Folders.LBFolders.SetItemIndex(0);
  f.Folders.LBFolders.onKeyUp(&f.Folders.LBFolders, VK_INSERT, ssCtrl);
  f.Folders.LBFolders.onKeyUp(&f.Folders.LBFolders, VK_DELETE, ssShift);
  f.Folders.LBFolders.onKeyUp(&f.Folders.LBFolders, 'A', 0);
  EXPECT_TRUE(dialogs.directoryStarts.empty());
  EXPECT_TRUE(dialogs.questions.empty());

  f.Folders.LBFolders.onKeyUp(&f.Folders.LBFolders, VK_INSERT, 0);
  EXPECT_EQ(dialogs.directoryStarts.size(), 1u);
  dialogs.confirmAnswers = {Answer::Yes};
  SendMessageA(f.Folders.LBFolders.Handle(), WM_KEYUP, VK_DELETE, 0);
  EXPECT_EQ(f.Folders.LBFolders.Count(), 0);
}

TEST_F(FoldersPageTest, TheHorizontalExtentFollowsOnlyTheStartUpRows) {
  TFormConfig& f = OpenWith({{"short", "C:\\"}});
  const int extent = f.Folders.LBFolders.HorizontalExtent();
  EXPECT_EQ(extent, f.Folders.LBFolders.TextWidth("short \t C:\\") + 2);
  dialogs.directoryAnswers = {"C:\\A very long folder name that is much wider than the list"};
  dialogs.inputAnswers = {"A long name"};
  f.Folders.SpeedButAddDirClick(&f.Folders.SpeedButAddDir);
  EXPECT_EQ(f.Folders.LBFolders.HorizontalExtent(), extent);
}

TEST_F(FoldersPageTest, TheRowHintIsTheWholeRowUnderThePointer) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}, {"b", "B:\\"}});
  const int h = f.Folders.LBFolders.ItemHeight();
  f.Folders.LBFolders.onMouseMove(&f.Folders.LBFolders, 5, h + 1);
  EXPECT_EQ(f.Folders.LBFolders.Hint(), "b \t B:\\");
  f.Folders.LBFolders.onMouseMove(&f.Folders.LBFolders, 5, h);
  f.Folders.LBFolders.onMouseMove(&f.Folders.LBFolders, 5, 5 * h);
  EXPECT_EQ(f.Folders.LBFolders.Hint(), "b \t B:\\") << "a boundary or empty space keeps the hint";
  SendMessageA(f.Folders.LBFolders.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 1));
  EXPECT_EQ(f.Folders.LBFolders.Hint(), "a \t A:\\");
}

TEST_F(FoldersPageTest, ApplyStoresTheListInItsOrder) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}, {"b", "B:\\"}});
  f.Folders.LBFolders.SetItemIndex(1);
  f.Folders.SButUpDownClick(&f.Folders.SButUp);
  SendMessageA(f.SpeedButApply.Handle(), BM_CLICK, 0, 0);
  const std::string dirs = std::string(kSettingsKey) + "\\Dirs";
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, dirs, "Nam1")->data, "b");
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, dirs, "Dir2")->data, "A:\\");
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, std::string(kSettingsKey), "NeedRefresh")->data,
            "1");
}

}  // namespace
}  // namespace brimdock::testing
