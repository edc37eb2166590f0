#include "settings/GroupList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace brimdock {
namespace {

using ::testing::ElementsAre;

TEST(GroupList, AddAppendsAGroupWithoutLinks) {
  TGroupList groups;
  groups.Add("Work", "Work tools").AddLink("Edit", "C:\\edit.exe");
  TGroup& added = groups.Add("Games", "Play");
  EXPECT_EQ(&added, groups.List.back().get());
  EXPECT_EQ(added.Name, "Games");
  EXPECT_EQ(added.Hint, "Play");
  EXPECT_TRUE(added.Links.empty());
}

TEST(GroupList, DeleteLinkMovesTheFollowingLinksUp) {
  TGroup group;
  group.AddLink("A", "C:\\a.exe");
  group.AddLink("B", "C:\\b.exe");
  group.AddLink("C", "C:\\c.exe");
  group.DeleteLink(1);
  EXPECT_THAT(group.Links, ElementsAre(TLink{"A", "C:\\a.exe"}, TLink{"C", "C:\\c.exe"}));
}

TEST(GroupList, DeletingTheFirstGroupKeepsTheOthersWithTheirLinks) {
  TGroupList groups;
  for (const char* name : {"Zero", "One", "Two"}) {
    groups.Add(name, name).AddLink(std::string("link of ") + name, std::string("C:\\") + name);
  }
  groups.Delete(0);
  ASSERT_EQ(groups.List.size(), 2U);
  EXPECT_EQ(groups.List[0]->Name, "One");
  EXPECT_THAT(groups.List[0]->Links, ElementsAre(TLink{"link of One", "C:\\One"}));
  EXPECT_EQ(groups.List[1]->Name, "Two");
  EXPECT_THAT(groups.List[1]->Links, ElementsAre(TLink{"link of Two", "C:\\Two"}));
}

}  // namespace
}  // namespace brimdock
