#include <gmock/gmock.h>

#include "settings/RegistryLayout.h"
#include "win/app/FormFixture.h"

namespace brimdock::testing {
namespace {

using ::testing::ElementsAre;

struct StoredGroup {
  std::string hint;
  std::vector<std::string> links;  // link names; the path is "C:\<name>"
};

class IconsPageTest : public FormFixture {
 protected:
  TFormConfig& OpenWith(const std::vector<StoredGroup>& groups) {
    const std::string key(kSettingsKey);
    Put(key + "\\Groups", "NumGroups", std::to_string(groups.size()));
    for (size_t n = 0; n < groups.size(); ++n) {
      const std::string section = key + "\\Groups\\Group" + std::to_string(n + 1);
      Put(section, "Name", groups[n].hint);
      Put(section, "Hint", groups[n].hint);
      Put(section, "NumItems", std::to_string(groups[n].links.size()));
      for (size_t k = 0; k < groups[n].links.size(); ++k) {
        Put(section, "Nam" + std::to_string(k + 1), groups[n].links[k]);
        Put(section, "Item" + std::to_string(k + 1), "C:\\" + groups[n].links[k]);
      }
    }
    TFormConfig& f = Open();
    f.SBPagesClick(&f.SBIcons);
    return f;
  }
  void Put(const std::string& key, const std::string& name, const std::string& text) {
    registry.Put(RootKey::CurrentUser, key, name, {ValueType::String, text});
  }
  static std::vector<std::string> Links(const TGroup& group) { return Names(group.Links); }
  static std::vector<std::string> Hints(const TFormConfig& f) {
    std::vector<std::string> hints;
    for (const auto& g : f.State.GroupList.List) hints.push_back(g->Hint);
    return hints;
  }
};

TEST_F(IconsPageTest, AddGroupKeepsLongNamesAndSelectsTheNewGroup) {
  TFormConfig& f = OpenWith({{"A", {"x"}}});
  const std::string name25 = "abcdefghijklmnopqrstuvwxy";
  dialogs.inputAnswers = {name25, "", std::string(300, 'z')};
  f.Icons.SBAddGroupClick(&f.Icons.SBAddGroup);
  EXPECT_EQ(f.State.GroupList.List.back()->Name, name25);
  EXPECT_EQ(f.Icons.LBGroups.ItemIndex(), 1);
  EXPECT_EQ(f.Icons.LBItems.Count(), 0);
  EXPECT_TRUE(f.State.RefreshFlag);
  f.Icons.SBAddGroupClick(&f.Icons.SBAddGroup);
  EXPECT_EQ(f.State.GroupList.List.size(), 2u);
  f.Icons.SBAddGroupClick(&f.Icons.SBAddGroup);
  EXPECT_EQ(f.State.GroupList.List.back()->Hint.size(), 255u);
}

TEST_F(IconsPageTest, TheLastGroupIsNeverDeleted) {
  TFormConfig& f = OpenWith({{"A", {"x"}}});
  dialogs.confirmAnswers = {Answer::Yes};
  SendMessageA(f.Icons.SBDeleteGroup.Handle(), BM_CLICK, 0, 0);
  f.Icons.LBGroups.onKeyUp(&f.Icons.LBGroups, VK_DELETE, 0);
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(f.State.GroupList.List.size(), 1u);
  EXPECT_FALSE(f.State.RefreshFlag);
}

TEST_F(IconsPageTest, DeleteGroupQuotesItsRowAndShowsTheNeighboursLinks) {
  TFormConfig& f = OpenWith({{"A", {"a1"}}, {"B", {"b1", "b2"}}, {"C", {"c1"}}});
  f.Icons.LBGroups.SetItemIndex(0);
  dialogs.confirmAnswers = {Answer::No};
  f.Icons.SBDeleteGroupClick(&f.Icons.SBDeleteGroup);
  EXPECT_EQ(f.State.GroupList.List.size(), 3u);
  EXPECT_EQ(dialogs.questions.back(), f.Lang1.GetMessageText(14) + " \"A\"?");

  dialogs.confirmAnswers = {Answer::Closed};
  f.Icons.SBDeleteGroupClick(&f.Icons.SBDeleteGroup);
  EXPECT_THAT(Hints(f), ElementsAre("B", "C"));
  EXPECT_EQ(f.Icons.LBGroups.ItemIndex(), 0);
  EXPECT_THAT(f.Icons.LBItems.Items(), ElementsAre("b1 \t C:\\b1", "b2 \t C:\\b2"));
  EXPECT_THAT(Links(*f.State.GroupList.List[1]), ElementsAre("c1"));
}

TEST_F(IconsPageTest, RenameGroupCutsToTenCharacters) {
  TFormConfig& f = OpenWith({{"A long hint text", {}}, {"B", {}}});
  dialogs.inputAnswers = {std::nullopt, "abcdefghijklmnopqrstuvwxy"};
  f.Icons.SBRenameGroupClick(&f.Icons.SBRenameGroup);
  EXPECT_EQ(f.State.GroupList.List[0]->Name, "A long hin");
  EXPECT_EQ(f.State.GroupList.List[0]->Hint, "A long hin");
  EXPECT_EQ(dialogs.prompts[0], "Brimdock Configuration|" + f.Lang1.GetMessageText(15) + " " +
                                    f.Lang1.GetMessageText(17) + "|A long hint text");
  f.Icons.SBRenameGroupClick(&f.Icons.SBRenameGroup);
  EXPECT_THAT(Hints(f), ElementsAre("abcdefghij", "B"));
  EXPECT_THAT(f.Icons.LBGroups.Items(), ElementsAre("abcdefghij", "B"));
  EXPECT_EQ(f.Icons.LBGroups.ItemIndex(), 0);
}

TEST_F(IconsPageTest, GroupMovesKeepTheMovedGroupSelectedWithItsLinks) {
  TFormConfig& f = OpenWith({{"A", {"a1"}}, {"B", {"b1"}}});
  f.Icons.SBUpDownGroupClick(&f.Icons.SBUpGroup);
  EXPECT_TRUE(f.State.RefreshFlag) << "first group up changes nothing but marks";
  EXPECT_THAT(Hints(f), ElementsAre("A", "B"));
  SendMessageA(f.Icons.SBDownGroup.Handle(), BM_CLICK, 0, 0);
  EXPECT_THAT(Hints(f), ElementsAre("B", "A"));
  EXPECT_THAT(f.Icons.LBGroups.Items(), ElementsAre("B", "A"));
  EXPECT_EQ(f.Icons.LBGroups.ItemIndex(), 1);
  EXPECT_THAT(f.Icons.LBItems.Items(), ElementsAre("a1 \t C:\\a1"));
}

TEST_F(IconsPageTest, AddLinksNamesEachByItsFileName) {
  TFormConfig& f = OpenWith({{"A", {"a1"}}});
  dialogs.openFilesAnswers = {
      std::vector<std::string>{"C:\\Tools\\edit.exe", "C:\\Tools\\calc.exe", "D:readme.txt"}};
  SendMessageA(f.Icons.SBAddItem.Handle(), BM_CLICK, 0, 0);
  const TGroup& group = *f.State.GroupList.List[0];
  EXPECT_THAT(Names(group.Links), ElementsAre("a1", "edit.exe", "calc.exe", "readme.txt"));
  EXPECT_THAT(Paths(group.Links),
              ElementsAre("C:\\a1", "C:\\Tools\\edit.exe", "C:\\Tools\\calc.exe", "D:readme.txt"));
  EXPECT_EQ(f.Icons.LBItems.Count(), 4);
  EXPECT_EQ(f.Icons.LBItems.HorizontalExtent(), f.Icons.LBItems.WidestRowWidth() + 2);
  EXPECT_TRUE(f.State.RefreshFlag);
}

TEST_F(IconsPageTest, LinkDeleteRenameAndMoves) {
  TFormConfig& f = OpenWith({{"A", {"a1", "a2", "a3"}}});
  TGroup& group = *f.State.GroupList.List[0];
  SendMessageA(f.Icons.SBDownItem.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(f.Icons.LBItems.ItemIndex(), 0) << "down with no link selected selects the first";
  EXPECT_THAT(Names(group.Links), ElementsAre("a1", "a2", "a3"));

  f.Icons.SBUpDownItemClick(&f.Icons.SBDownItem);
  EXPECT_THAT(Names(group.Links), ElementsAre("a2", "a1", "a3"));
  EXPECT_THAT(Paths(group.Links), ElementsAre("C:\\a2", "C:\\a1", "C:\\a3"));
  EXPECT_EQ(f.Icons.LBItems.ItemIndex(), 1);

  dialogs.inputAnswers = {std::string(300, 'n')};
  f.Icons.SBRenameItemClick(&f.Icons.SBRenameItem);
  EXPECT_EQ(Names(group.Links)[1].size(), 300u) << "a link's new name is not cut";

  f.Icons.LBItems.SetItemIndex(2);
  dialogs.confirmAnswers = {Answer::Yes};
  f.Icons.SBDelItemClick(&f.Icons.SBDelItem);
  EXPECT_EQ(dialogs.questions.back(), f.Lang1.GetMessageText(14) + " a3 \t C:\\a3?");
  EXPECT_EQ(Names(group.Links).size(), 2u);
  EXPECT_EQ(f.Icons.LBItems.ItemIndex(), 1);
}

TEST_F(IconsPageTest, DroppingALinkOnAGroupMovesItToTheEnd) {
  std::vector<StoredGroup> groups{{"A", {"a1", "a2"}}};
  for (int i = 0; i < 30; ++i) groups.push_back({"G" + std::to_string(i), {"g"}});
  TFormConfig& f = OpenWith(groups);
  const int h = f.Icons.LBGroups.ItemHeight();
  f.Icons.LBGroups.SetTopIndex(5);
  ASSERT_EQ(f.Icons.LBGroups.TopIndex(), 5);
  EXPECT_TRUE(f.Icons.LBGroupsDragOver(&f.Icons.LBGroups, &f.Icons.LBItems, 1, 1));
  EXPECT_FALSE(f.Icons.LBGroupsDragOver(&f.Icons.LBGroups, &f.Folders.LBFolders, 1, 1));

  f.Icons.LBItems.SetItemIndex(1);
  f.Icons.LBGroupsDragDrop(&f.Icons.LBGroups, &f.Icons.LBItems, 5,
                           2 * h + 3);  // the row of group 7, "G6"
  EXPECT_THAT(Links(*f.State.GroupList.List[0]), ElementsAre("a1"));
  EXPECT_THAT(Links(*f.State.GroupList.List[7]), ElementsAre("g", "a2"));
  EXPECT_EQ(f.Icons.LBGroups.ItemIndex(), 0);
  EXPECT_THAT(f.Icons.LBItems.Items(), ElementsAre("a1 \t C:\\a1"));
  EXPECT_TRUE(f.State.RefreshFlag);

  f.Icons.LBItems.SetItemIndex(0);
  f.Icons.LBGroupsDragDrop(&f.Icons.LBGroups, &f.Icons.LBItems, 5, 2 * h);  // on a row boundary
  EXPECT_THAT(Links(*f.State.GroupList.List[0]), ElementsAre("a1")) << "nothing moved";
}

TEST_F(IconsPageTest, ADropBelowTheLastGroupMovesNothing) {
  TFormConfig& f = OpenWith({{"A", {"a1"}}, {"B", {}}});
  f.Icons.LBItems.SetItemIndex(0);
  f.Icons.LBGroupsDragDrop(&f.Icons.LBGroups, &f.Icons.LBItems, 5,
                           3 * f.Icons.LBGroups.ItemHeight() + 2);
  EXPECT_THAT(Links(*f.State.GroupList.List[0]), ElementsAre("a1"));
  EXPECT_TRUE(Names(f.State.GroupList.List[1]->Links).empty());
  f.Icons.LBGroupsDragDrop(&f.Icons.LBGroups, &f.Icons.LBItems, 5,
                           1);  // onto its own group: to its end
  EXPECT_THAT(Links(*f.State.GroupList.List[0]), ElementsAre("a1"));
}

TEST_F(IconsPageTest, ApplyStoresGroupsAndLinksAsShown) {
  TFormConfig& f = OpenWith({{"A", {"a1", "a2"}}, {"B", {}}});
  f.Icons.LBItems.SetItemIndex(0);
  f.Icons.LBGroupsDragDrop(&f.Icons.LBGroups, &f.Icons.LBItems, 5,
                           f.Icons.LBGroups.ItemHeight() + 2);
  f.Icons.SBUpDownGroupClick(&f.Icons.SBDownGroup);
  SendMessageA(f.SpeedButApply.Handle(), BM_CLICK, 0, 0);
  const std::string groups = std::string(kSettingsKey) + "\\Groups";
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, groups + "\\Group1", "Hint")->data, "B");
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, groups + "\\Group1", "Nam1")->data, "a1");
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, groups + "\\Group2", "NumItems")->data, "1");
  EXPECT_EQ(registry.Get(RootKey::CurrentUser, groups + "\\Group2", "Item1")->data, "C:\\a2");
}

}  // namespace
}  // namespace brimdock::testing
