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
  f.LBFolders.SetItemIndex(0);
  dialogs.directoryAnswers = {"D:\\Games"};
  dialogs.inputAnswers = {"Games"};
  SendMessageA(f.SpeedButAddDir.Handle(), BM_CLICK, 0, 0);
  EXPECT_THAT(dialogs.directoryStarts, ElementsAre("C:\\"));
  EXPECT_THAT(dialogs.prompts,
              ElementsAre("Brimdock Configuration|" + f.Lang1.GetMessageText(13) + "|"));
  EXPECT_THAT(f.FolderNames, ElementsAre("Tools", "Games"));
  EXPECT_THAT(f.FolderPaths, ElementsAre("C:\\Tools", "D:\\Games"));
  EXPECT_THAT(f.LBFolders.Items(), ElementsAre("Tools \t C:\\Tools", "Games \t D:\\Games"));
  EXPECT_EQ(f.LBFolders.ItemIndex(), 0) << "the selection is not moved";
  EXPECT_TRUE(f.LBFolders.Focused() || !IsWindowVisible(f.Handle()));
  EXPECT_TRUE(f.RefreshFlag);
}

TEST_F(FoldersPageTest, AnEmptyOrCancelledNameAddsNothingButTheFolderIsRemembered) {
  TFormConfig& f = OpenWith({});
  dialogs.directoryAnswers = {"D:\\Games", "E:\\Music", std::nullopt};
  dialogs.inputAnswers = {"", std::nullopt};
  f.SpeedButAddDirClick(&f.SpeedButAddDir);
  f.SpeedButAddDirClick(&f.SpeedButAddDir);
  f.SpeedButAddDirClick(&f.SpeedButAddDir);
  EXPECT_THAT(dialogs.directoryStarts, ElementsAre("C:\\", "D:\\Games", "E:\\Music"));
  EXPECT_EQ(f.LastFolder, "E:\\Music");
  EXPECT_TRUE(f.FolderNames.empty());
  EXPECT_EQ(f.LBFolders.Count(), 0);
  EXPECT_FALSE(f.RefreshFlag);
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
      f.LBFolders.SetItemIndex(row);
      dialogs.confirmAnswers = {Answer::Yes};
      f.SpeedButDelDirClick(&f.SpeedButDelDir);
    }
    EXPECT_EQ(f.FolderNames, c.left);
    EXPECT_EQ(f.FolderPaths.size(), c.left.size());
    EXPECT_EQ(f.LBFolders.Count(), static_cast<int>(c.left.size()));
    EXPECT_EQ(f.LBFolders.ItemIndex(), c.selected);
    EXPECT_TRUE(f.RefreshFlag);
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
    f.LBFolders.SetItemIndex(0);
    dialogs.confirmAnswers = {c.answer};
    f.SpeedButDelDirClick(&f.SpeedButDelDir);
    EXPECT_EQ(f.LBFolders.Count(), c.left);
    EXPECT_EQ(f.RefreshFlag, c.left == 0);
  }
}

TEST_F(FoldersPageTest, RenameKeepsTheFolderAndCancelStoresTheNameAgain) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}, {"b", "B:\\"}});
  f.SBRenameDirClick(&f.SBRenameDir);
  EXPECT_TRUE(dialogs.prompts.empty()) << "no selection, no question";

  f.LBFolders.SetItemIndex(1);
  dialogs.inputAnswers = {"Bee", std::nullopt, ""};
  f.SBRenameDirClick(&f.SBRenameDir);
  EXPECT_THAT(f.LBFolders.Items(), ElementsAre("a \t A:\\", "Bee \t B:\\"));
  EXPECT_EQ(f.LBFolders.ItemIndex(), 1);
  EXPECT_THAT(dialogs.prompts.back(), ::testing::EndsWith("|b"));

  f.RefreshFlag = false;
  f.SBRenameDirClick(&f.SBRenameDir);
  EXPECT_THAT(f.FolderNames, ElementsAre("a", "Bee"));
  EXPECT_TRUE(f.RefreshFlag) << "cancel stores the current name again";

  f.RefreshFlag = false;
  f.SBRenameDirClick(&f.SBRenameDir);
  EXPECT_FALSE(f.RefreshFlag) << "an empty name changes nothing";
}

TEST_F(FoldersPageTest, MovesExchangeListsAndRowsTogether) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}, {"b", "B:\\"}, {"c", "C:\\"}});
  f.SButUpDownClick(&f.SButUp);
  EXPECT_EQ(f.LBFolders.ItemIndex(), -1);
  EXPECT_TRUE(f.RefreshFlag) << "even with nothing selected";
  f.SButUpDownClick(&f.SButDown);
  EXPECT_EQ(f.LBFolders.ItemIndex(), 0) << "down with no selection selects the first row";
  EXPECT_THAT(f.FolderNames, ElementsAre("a", "b", "c"));

  f.LBFolders.SetItemIndex(1);
  SendMessageA(f.SButUp.Handle(), BM_CLICK, 0, 0);
  EXPECT_THAT(f.FolderNames, ElementsAre("b", "a", "c"));
  EXPECT_THAT(f.FolderPaths, ElementsAre("B:\\", "A:\\", "C:\\"));
  EXPECT_THAT(f.LBFolders.Items(), ElementsAre("b \t B:\\", "a \t A:\\", "c \t C:\\"));
  EXPECT_EQ(f.LBFolders.ItemIndex(), 0);

  SendMessageA(f.SButUp.Handle(), BM_CLICK, 0, 0);
  f.LBFolders.SetItemIndex(2);
  SendMessageA(f.SButDown.Handle(), BM_CLICK, 0, 0);
  EXPECT_THAT(f.FolderNames, ElementsAre("b", "a", "c"));
  EXPECT_EQ(f.LBFolders.ItemIndex(), 2);
}

TEST_F(FoldersPageTest, InsertAndDeleteKeysActOnlyWithoutShiftKeys) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}});
  f.LBFolders.SetItemIndex(0);
  f.ListBoxKeyUp(&f.LBFolders, VK_INSERT, ssCtrl);
  f.ListBoxKeyUp(&f.LBFolders, VK_DELETE, ssShift);
  f.ListBoxKeyUp(&f.LBFolders, 'A', 0);
  EXPECT_TRUE(dialogs.directoryStarts.empty());
  EXPECT_TRUE(dialogs.questions.empty());

  f.ListBoxKeyUp(&f.LBFolders, VK_INSERT, 0);
  EXPECT_EQ(dialogs.directoryStarts.size(), 1u);
  dialogs.confirmAnswers = {Answer::Yes};
  SendMessageA(f.LBFolders.Handle(), WM_KEYUP, VK_DELETE, 0);
  EXPECT_EQ(f.LBFolders.Count(), 0);
}

TEST_F(FoldersPageTest, TheHorizontalExtentFollowsOnlyTheStartUpRows) {
  TFormConfig& f = OpenWith({{"short", "C:\\"}});
  const int extent = f.LBFolders.HorizontalExtent();
  EXPECT_EQ(extent, f.LBFolders.TextWidth("short \t C:\\") + 2);
  dialogs.directoryAnswers = {"C:\\A very long folder name that is much wider than the list"};
  dialogs.inputAnswers = {"A long name"};
  f.SpeedButAddDirClick(&f.SpeedButAddDir);
  EXPECT_EQ(f.LBFolders.HorizontalExtent(), extent);
}

TEST_F(FoldersPageTest, TheRowHintIsTheWholeRowUnderThePointer) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}, {"b", "B:\\"}});
  const int h = f.LBFolders.ItemHeight();
  f.LBMouseMove(&f.LBFolders, 5, h + 1);
  EXPECT_EQ(f.LBFolders.Hint(), "b \t B:\\");
  f.LBMouseMove(&f.LBFolders, 5, h);
  f.LBMouseMove(&f.LBFolders, 5, 5 * h);
  EXPECT_EQ(f.LBFolders.Hint(), "b \t B:\\") << "a boundary or empty space keeps the hint";
  SendMessageA(f.LBFolders.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 1));
  EXPECT_EQ(f.LBFolders.Hint(), "a \t A:\\");
}

TEST_F(FoldersPageTest, ApplyStoresTheListInItsOrder) {
  TFormConfig& f = OpenWith({{"a", "A:\\"}, {"b", "B:\\"}});
  f.LBFolders.SetItemIndex(1);
  f.SButUpDownClick(&f.SButUp);
  SendMessageA(f.SpeedButApply.Handle(), BM_CLICK, 0, 0);
  const std::string dirs = std::string(kSettingsKey) + "\\Dirs";
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, dirs, "Nam1")->data, "b");
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, dirs, "Dir2")->data, "A:\\");
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, std::string(kSettingsKey), "NeedRefresh")->data,
            "1");
}

}  // namespace
}  // namespace brimdock::testing
