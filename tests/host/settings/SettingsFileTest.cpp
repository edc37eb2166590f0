#include "settings/SettingsFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "host/settings/CountingRegistry.h"
#include "host/settings/WindowMemory.h"
#include "support/MemoryRegistry.h"

namespace brimdock {
namespace {

using brimdock::testing::kKey;
using brimdock::testing::Load;
using brimdock::testing::MemoryRegistry;
using brimdock::testing::Names;
using brimdock::testing::Paths;
using brimdock::testing::Save;
using brimdock::testing::WindowMemory;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr RootKey kUser = RootKey::CurrentUser;

std::string KeyOf(const std::string& section) {
  return section.empty() ? kKey : kKey + "\\" + section;
}

// A setting in every field that differs from the built-in default and from the other font.
PanelSettings Unusual() {
  PanelSettings s;
  s.PanelTop = true;
  s.OnTop = false;
  s.AutoHidePanel = false;
  s.AutoHideDelay = 1200;
  s.ShowPanelOnMouseMove = false;
  s.NoneBckgrnd = true;
  s.BackBMPName = "C:\\Pictures\\back.bmp";
  s.BackgroundColor = 0xFF;
  s.Border3D = false;
  s.FixedMenuButWidth = false;
  s.MenuButWidth = 70;
  s.GroupButWidth = 90;
  s.sbIconSize = 32;
  s.DelayCreate = false;
  s.DelayIconCreate = -250;
  s.MenuFontCharset = 204;
  s.MenuFontName = "Arial";
  s.MenuFontSize = 10;
  s.MenuFontBold = true;
  s.MenuFontStrikeOut = true;
  s.MenuFontUnderline = true;
  s.MenuFontItalic = true;
  s.MenuFontColor = 0x00FF00;
  s.GroupFontCharset = 238;
  s.GroupFontName = "Tahoma";
  s.GroupFontSize = 12;
  s.GroupFontBold = true;
  s.GroupFontStrikeOut = true;
  s.GroupFontUnderline = true;
  s.GroupFontItalic = true;
  s.GroupFontColor = 0x0000FF;
  s.ShellFolder = "explore";
  s.Start_menu = s.Desktop_menu = s.Favorites_menu = s.Personal_menu = false;
  s.Recent_menu = s.Templates_menu = s.Disk_A_menu = s.Disk_B_menu = false;
  s.clbMaxSize = 8000;
  s.WriteHeader = false;
  s.WriteTimeStamp = false;
  s.HeaderChar = "#";
  s.NumHeaderChars = 20;
  s.HeaderString = "Clips";
  s.DivideChar = "=";
  return s;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void PutText(const std::string& section, const std::string& name, const std::string& text) {
    registry_.Put(kUser, KeyOf(section), name, {ValueType::String, text});
  }
  std::string Stored(const std::string& section, const std::string& name) {
    const auto value = registry_.Get(kUser, KeyOf(section), name);
    return value ? value->data : "<missing>";
  }
  std::vector<std::string> ValueNames(const std::string& section) {
    return registry_.ValueNames(kUser, KeyOf(section));
  }

  MemoryRegistry registry_;
};

TEST_F(SettingsFileTest, EverySettingSurvivesASaveAndALoad) {
  WindowMemory memory;
  memory.settings = Unusual();
  Save(registry_, memory);
  EXPECT_EQ(Load(registry_).memory.settings, Unusual());
}

TEST_F(SettingsFileTest, MissingValuesKeepTheFieldsCurrentContent) {
  PutText("Appearance", "PanelTop", "0");
  PanelSettings expected = Unusual();
  expected.PanelTop = false;
  EXPECT_EQ(Load(registry_, Unusual()).memory.settings, expected);
}

TEST_F(SettingsFileTest, LoadingWritesOnlyNeedRefreshAsZero) {
  WindowMemory memory;
  memory.AddFolder("C:\\Tools", "Tools");
  Save(registry_, memory, /*refreshFlag=*/true);
  registry_.ClearLog();
  registry_.LogRelativeTo(kUser, kKey);
  Load(registry_);
  EXPECT_THAT(registry_.Log(), ElementsAre("write NeedRefresh=0"));
}

TEST_F(SettingsFileTest, ARefusedWriteWhileLoadingIsReportedAndEverythingIsStillRead) {
  WindowMemory memory;
  memory.settings = Unusual();
  memory.AddFolder("C:\\Tools", "Tools");
  memory.AddGroup("Work", "Work").AddLink("Edit", "C:\\edit.exe");
  Save(registry_, memory, /*refreshFlag=*/true);
  registry_.FailWritesFrom(1);
  const auto loaded = Load(registry_);
  EXPECT_EQ(loaded.report.writeError, "Failed to set data for 'NeedRefresh'");
  EXPECT_EQ(loaded.memory, memory);
  EXPECT_EQ(Stored("", "NeedRefresh"), "1");
}

struct FolderCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> stored;
  std::vector<std::string> paths;
  std::vector<std::string> names;
};

TEST_F(SettingsFileTest, FolderListRepeatsAMissingTextAndDropsIncompleteEntries) {
  const std::string longPath(300, 'p');
  const FolderCase cases[] = {
      {"a missing folder repeats the one before",
       {{"NumDirs", "3"},
        {"Dir1", "C:\\A"},
        {"Nam1", "A"},
        {"Nam2", "B"},
        {"Dir3", "C:\\C"},
        {"Nam3", "C"}},
       {"C:\\A", "C:\\A", "C:\\C"},
       {"A", "B", "C"}},
      {"an entry with a text still empty is dropped",
       {{"NumDirs", "2"}, {"Dir1", "C:\\A"}},
       {},
       {}},
      {"an empty stored text is no missing one",
       {{"NumDirs", "2"}, {"Dir1", "C:\\A"}, {"Nam1", "A"}, {"Dir2", "C:\\B"}, {"Nam2", ""}},
       {"C:\\A"},
       {"A"}},
      {"gaps before the first entry",
       {{"NumDirs", "3"}, {"Dir3", "C:\\C"}, {"Nam3", "C"}},
       {"C:\\C"},
       {"C"}},
      {"the count keeps its low 16 bits",
       {{"NumDirs", "65537"}, {"Dir1", "C:\\A"}, {"Nam1", "A"}, {"Dir2", "C:\\B"}, {"Nam2", "B"}},
       {"C:\\A"},
       {"A"}},
      {"a count that is no number is 0",
       {{"NumDirs", "two"}, {"Dir1", "C:\\A"}, {"Nam1", "A"}},
       {},
       {}},
      {"texts are cut to 255 characters",
       {{"NumDirs", "1"}, {"Dir1", longPath}, {"Nam1", "A"}},
       {longPath.substr(0, 255)},
       {"A"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryRegistry registry;
    for (const auto& [name, text] : c.stored) {
      registry.Put(kUser, KeyOf("Dirs"), name, {ValueType::String, text});
    }
    const auto loaded = Load(registry).memory;
    EXPECT_EQ(Paths(loaded.folders), c.paths);
    EXPECT_EQ(Names(loaded.folders), c.names);
  }
}

TEST_F(SettingsFileTest, IncompleteGroupsAndLinksAreSkippedAndTheRestRenumberedOnSave) {
  PutText("Groups", "NumGroups", "5");  // groups 4 and 5 are missing
  PutText("Groups\\Group1", "Name", "Work");
  PutText("Groups\\Group1", "Hint", "Work tools");
  PutText("Groups\\Group1", "NumItems", "3");
  PutText("Groups\\Group1", "Nam1", "Edit");
  PutText("Groups\\Group1", "Item1", "C:\\edit.exe");
  PutText("Groups\\Group1", "Nam2", "No target");
  PutText("Groups\\Group1", "Nam3", "Mail");
  PutText("Groups\\Group1", "Item3", "C:\\mail.exe");
  PutText("Groups\\Group2", "Name", "No hint");
  PutText("Groups\\Group2", "Hint", "");
  PutText("Groups\\Group2", "NumItems", "1");
  PutText("Groups\\Group2", "Nam1", "Lost");
  PutText("Groups\\Group2", "Item1", "C:\\lost.exe");
  PutText("Groups\\Group3", "Name", "Games");
  PutText("Groups\\Group3", "Hint", "Play");

  const auto loaded = Load(registry_).memory;
  ASSERT_EQ(loaded.groups.size(), 2U);
  EXPECT_EQ(loaded.groups[0].Name, "Work");
  EXPECT_EQ(loaded.groups[0].Hint, "Work tools");
  EXPECT_THAT(Names(loaded.groups[0].Links), ElementsAre("Edit", "Mail"));
  EXPECT_THAT(Paths(loaded.groups[0].Links), ElementsAre("C:\\edit.exe", "C:\\mail.exe"));
  EXPECT_EQ(loaded.groups[1].Name, "Games");
  EXPECT_THAT(Names(loaded.groups[1].Links), IsEmpty());

  Save(registry_, loaded);
  EXPECT_EQ(Stored("Groups", "NumGroups"), "2");
  EXPECT_THAT(registry_.SubKeyNames(kUser, KeyOf("Groups")), ElementsAre("Group1", "Group2"));
  EXPECT_THAT(ValueNames("Groups\\Group1"),
              ElementsAre("Name", "Hint", "NumItems", "Item1", "Nam1", "Item2", "Nam2"));
  EXPECT_EQ(Stored("Groups\\Group1", "Nam2"), "Mail");
  EXPECT_EQ(Stored("Groups\\Group2", "Name"), "Games");
  EXPECT_EQ(Stored("Groups\\Group2", "NumItems"), "0");
}

TEST_F(SettingsFileTest, SavingWithoutChangesRewritesTheWholeStore) {
  PutText("", "Version", "1.0");
  PutText("", "ProgramDir", "D:\\Old\\");
  PutText("", "Other", "kept");
  PutText("Appearance", "Other", "kept");
  PutText("Dirs", "Other", "dropped");
  PutText("Groups", "LastActiveGroup", "2");
  PutText("Items", "Item1", "C:\\old.exe");
  PutText("Appearance", "AutoHideDelay", "0x10");

  Save(registry_, Load(registry_).memory);

  EXPECT_EQ(Stored("", "Version"), "1.2.1");
  EXPECT_EQ(Stored("", "ProgramDir"), "C:\\Brimdock\\");
  EXPECT_EQ(Stored("", "NeedRefresh"), "0");
  EXPECT_EQ(Stored("", "Other"), "kept");
  EXPECT_EQ(Stored("Appearance", "Other"), "kept");
  EXPECT_EQ(Stored("Appearance", "AutoHideDelay"), "16");
  EXPECT_FALSE(registry_.KeyExists(kUser, KeyOf("Items")));
  // Empty lists: the counts "0" and no list values.
  EXPECT_THAT(
      ValueNames("Dirs"),
      ElementsAre("ShellFolder", "Start_menu", "Desktop_menu", "Favorites_menu", "Personal_menu",
                  "Recent_menu", "Templates_menu", "Disk_A_menu", "Disk_B_menu", "NumDirs"));
  EXPECT_EQ(Stored("Dirs", "NumDirs"), "0");
  EXPECT_THAT(ValueNames("Groups"), ElementsAre("NumGroups"));
  EXPECT_EQ(Stored("Groups", "NumGroups"), "0");
  EXPECT_THAT(registry_.SubKeyNames(kUser, KeyOf("Groups")), IsEmpty());
}

TEST_F(SettingsFileTest, ASaveWritesInThePanelsOrderBetweenJournalAndItsRemoval) {
  Save(registry_, WindowMemory{});
  PutText("Items", "Item1", "C:\\old.exe");
  registry_.ClearLog();
  registry_.LogRelativeTo(kUser, kKey);

  WindowMemory memory;
  memory.AddFolder("C:\\Tools", "Tools");
  memory.AddFolder("D:\\Games", "Games");
  TGroup& work = memory.AddGroup("Work", "Work tools");
  work.AddLink("Edit", "C:\\edit.exe");
  work.AddLink("Mail", "C:\\mail.exe");
  memory.AddGroup("Play", "Games").AddLink("Chess", "D:\\chess.exe");
  Save(registry_, memory, /*refreshFlag=*/true);

  std::vector<std::string> journal;
  std::vector<std::string> store;
  for (const auto& entry : registry_.Log()) {
    (entry.find("SaveJournal") != std::string::npos ? journal : store).push_back(entry);
  }
  ASSERT_EQ(journal.size(), 4U);
  EXPECT_EQ(journal[0], "create SaveJournal");
  EXPECT_THAT(journal[1], ::testing::StartsWith("write SaveJournal\\Part1="));
  EXPECT_THAT(journal[2], ::testing::StartsWith("write SaveJournal\\Complete="));
  EXPECT_EQ(journal[3], "delete SaveJournal");
  EXPECT_EQ(registry_.Log().front(), journal[0]);
  EXPECT_EQ(registry_.Log().back(), journal[3]);

  const std::vector<std::string> expected = {
      // clang-format off
      "delete Dirs", "delete Items", "delete Groups",
      "write Version=1.2.1", "write ProgramDir=C:\\Brimdock\\",
      "write Appearance\\PanelTop=0", "write Appearance\\OnTop=1",
      "write Appearance\\AutoHidePanel=1",
      "create Dirs", "write Dirs\\ShellFolder=open", "write Dirs\\Start_menu=1",
      "write Dirs\\Desktop_menu=1", "write Dirs\\Favorites_menu=1", "write Dirs\\Personal_menu=1",
      "write Dirs\\Recent_menu=1", "write Dirs\\Templates_menu=1", "write Dirs\\Disk_A_menu=1",
      "write Dirs\\Disk_B_menu=1",
      "write NeedRefresh=1",
      "write Appearance\\NoneBckgrnd=0", "write Appearance\\BackBMPName=",
      "write Appearance\\3DBorder=1", "write Appearance\\ShowPanelOnMouseMove=1",
      "write Appearance\\AutoHideDelay=3000", "write Appearance\\BackgroundColor=-2147483633",
      "write Appearance\\FixedMenuButWidth=1", "write Appearance\\GroupButWidth=80",
      "write Appearance\\MenuButWidth=60", "write Appearance\\DelayCreate=1",
      "write Appearance\\DelayIconCreate=100", "write Appearance\\sbIconSize=16",
      "write Fonts\\MenuFontCharset=1", "write Fonts\\MenuFontName=MS Sans Serif",
      "write Fonts\\MenuFontSize=8", "write Fonts\\MenuFontBold=0",
      "write Fonts\\MenuFontStrikeOut=0", "write Fonts\\MenuFontUnderline=0",
      "write Fonts\\MenuFontItalic=0", "write Fonts\\MenuFontColor=-2147483640",
      "write Fonts\\GroupFontCharset=1", "write Fonts\\GroupFontName=MS Sans Serif",
      "write Fonts\\GroupFontSize=8", "write Fonts\\GroupFontBold=0",
      "write Fonts\\GroupFontStrikeOut=0", "write Fonts\\GroupFontUnderline=0",
      "write Fonts\\GroupFontItalic=0", "write Fonts\\GroupFontColor=-2147483640",
      "write Dirs\\NumDirs=2",
      "write Dirs\\Dir1=C:\\Tools", "write Dirs\\Nam1=Tools",
      "write Dirs\\Dir2=D:\\Games", "write Dirs\\Nam2=Games",
      "create Groups", "write Groups\\NumGroups=2",
      "create Groups\\Group1", "write Groups\\Group1\\Name=Work",
      "write Groups\\Group1\\Hint=Work tools", "write Groups\\Group1\\NumItems=2",
      "write Groups\\Group1\\Item1=C:\\edit.exe", "write Groups\\Group1\\Nam1=Edit",
      "write Groups\\Group1\\Item2=C:\\mail.exe", "write Groups\\Group1\\Nam2=Mail",
      "create Groups\\Group2", "write Groups\\Group2\\Name=Play",
      "write Groups\\Group2\\Hint=Games", "write Groups\\Group2\\NumItems=1",
      "write Groups\\Group2\\Item1=D:\\chess.exe", "write Groups\\Group2\\Nam1=Chess",
      "write Clipboard\\clbMaxSize=5000", "write Clipboard\\NumHeaderChars=60",
      "write Clipboard\\HeaderChar=*", "write Clipboard\\DivideChar=-",
      "write Clipboard\\HeaderString=Brimdock clipboard file",
      "write Clipboard\\WriteHeader=1", "write Clipboard\\WriteTimeStamp=1",
      // clang-format on
  };
  EXPECT_EQ(store, expected);
}

TEST_F(SettingsFileTest, AValueOfTheWrongTypeKeepsItsDefaultIsReportedAndIsRewrittenAsText) {
  registry_.Put(kUser, KeyOf("Appearance"), "PanelTop", {ValueType::Dword, "\1\0\0\0"});
  registry_.Put(kUser, KeyOf("Fonts"), "MenuFontName", {ValueType::MultiString, "Arial"});
  PutText("Dirs", "NumDirs", "2");
  PutText("Dirs", "Dir1", "C:\\A");
  PutText("Dirs", "Nam1", "A");
  registry_.Put(kUser, KeyOf("Dirs"), "Dir2", {ValueType::Binary, "C:\\B"});
  PutText("Dirs", "Nam2", "B");
  registry_.Put(kUser, KeyOf("Groups"), "NumGroups", {ValueType::Dword, "\1\0\0\0"});
  PutText("Groups\\Group1", "Name", "Work");
  PutText("Groups\\Group1", "Hint", "Work");

  const auto loaded = Load(registry_);
  EXPECT_THAT(loaded.report.replacedValues,
              ElementsAre("Appearance\\PanelTop", "Fonts\\MenuFontName", "Dirs\\Dir2",
                          "Groups\\NumGroups"));
  EXPECT_FALSE(loaded.memory.settings.PanelTop);
  EXPECT_EQ(loaded.memory.settings.MenuFontName, "MS Sans Serif");
  EXPECT_THAT(Paths(loaded.memory.folders), ElementsAre("C:\\A", "C:\\A"));
  EXPECT_THAT(loaded.memory.groups, IsEmpty());
  EXPECT_THAT(loaded.report.writeError, IsEmpty());

  Save(registry_, loaded.memory);
  const auto panelTop = registry_.Get(kUser, KeyOf("Appearance"), "PanelTop");
  ASSERT_TRUE(panelTop);
  EXPECT_EQ(panelTop->type, ValueType::String);
  EXPECT_EQ(panelTop->data, "0");
  EXPECT_THAT(Load(registry_).report.replacedValues, IsEmpty());
}

TEST_F(SettingsFileTest, HugeClaimedCountsCostOneCallPerClaimedValueOrGroup) {
  PutText("Dirs", "NumDirs", "65535");
  PutText("Dirs", "Dir1", "C:\\A");
  PutText("Dirs", "Nam1", "A");
  PutText("Groups", "NumGroups", "-1");
  PutText("Groups\\Group3", "Name", "Work");
  PutText("Groups\\Group3", "Hint", "Work");
  PutText("Groups\\Group3", "NumItems", "65535");
  PutText("Groups\\Group3", "Nam65535", "Last");
  PutText("Groups\\Group3", "Item65535", "C:\\last.exe");

  brimdock::testing::CountingRegistry counting(registry_);
  const auto loaded = Load(counting).memory;
  // One open per claimed group; two reads per claimed folder button and link.
  EXPECT_LT(counting.Counts().opens, 65535U + 100U);
  EXPECT_LT(counting.Counts().reads, 4U * 65535U + 100U);

  // A missing folder or name repeats the one before: every claimed button is the first.
  EXPECT_EQ(Paths(loaded.folders).size(), 65535U);
  EXPECT_EQ(Names(loaded.folders).back(), "A");
  ASSERT_EQ(loaded.groups.size(), 1U);
  EXPECT_THAT(Names(loaded.groups[0].Links), ElementsAre("Last"));
}

}  // namespace
}  // namespace brimdock
