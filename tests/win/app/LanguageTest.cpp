#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "lang/InterfaceTexts.h"
#include "win/app/FormFixture.h"

namespace brimdock::testing {
namespace {

using ::testing::ElementsAre;

constexpr char kMarker[] = "Error in language pak";

// A program folder of its own for each test, with the packs the test writes into it.
class LanguageTest : public FormFixture {
 protected:
  LanguageTest() {
    char temp[MAX_PATH]{};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "brimdock-lang-" + std::to_string(GetCurrentProcessId()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    std::filesystem::create_directories(folder_);
  }
  ~LanguageTest() override {
    form.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  void WritePack(const std::string& file, const std::string& text) {
    std::ofstream(folder_ + file, std::ios::binary) << text;
  }
  TFormConfig& OpenHere() { return Open(StartupOptions{folder_, {}, {}}); }

  std::string folder_;
};

// A German pack with every text the window uses, up to the given count.
std::string GermanPack(int interfaceCount) {
  std::string pack = "Program=Brimdock Configuration\r\nLanguage=Deutsch\r\n";
  pack += "I0=" + std::to_string(interfaceCount) + "\r\n";
  for (int n = 1; n <= 73; ++n) pack += "I" + std::to_string(n) + "=T" + std::to_string(n) + "\r\n";
  pack += "I16=Lage\r\nI4=Brimdock Einstellungen\r\n";
  pack += "M0=17\r\nM14=Entfernen\r\nM15=Neuer Name:\r\nM16=Gruppe:\r\nM17=(10 Zeichen)\r\n";
  return pack;
}

TEST_F(LanguageTest, ThePacksTextsGoOnTheControls) {
  WritePack("cf_eng.lng", GermanPack(73));
  TFormConfig& f = OpenHere();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(f.Caption(), "T4") << "the first of two equal keys counts";
  EXPECT_EQ(f.SBAppear.Caption(), "T6");
  EXPECT_EQ(f.Appearance.RGTopBottom.Caption(), " T16 ");
  EXPECT_EQ(f.Appearance.RGTopBottom.Item(0), "T17");
  EXPECT_EQ(f.Appearance.RGTopBottom.Item(1), "T18");
  EXPECT_EQ(f.Clipboard.GBHeader.Caption(), " T64 ");
  EXPECT_EQ(f.Folders.SButUp.Hint(), "T34");
  EXPECT_EQ(f.Folders.SButUp.Caption(), "\xAD") << "arrow buttons keep their glyphs";
  EXPECT_EQ(f.Icons.SBAddGroup.Caption(), "+");
  EXPECT_EQ(f.Icons.SBRenameGroup.Caption(), "T56");
  EXPECT_EQ(f.Icons.SBRenameGroup.Hint(), "T73");
  EXPECT_EQ(f.Icons.SBFolder.Hint(), "T62");
  EXPECT_EQ(f.Clipboard.ChBWriteTimeStamp.Caption(), "T70");

  f.Icons.LBGroups.SetItemIndex(-1);
  f.SBPagesClick(&f.SBIcons);
  dialogs.inputAnswers = {"Neu"};
  f.Icons.SBAddGroupClick(&f.Icons.SBAddGroup);
  EXPECT_THAT(dialogs.prompts, ElementsAre("T4|Gruppe:|"));
}

TEST_F(LanguageTest, EveryInterfaceTextGoesOnItsControl) {
  std::string pack = "Program=Brimdock Configuration\r\nLanguage=Test\r\nI0=73\r\nM0=17\r\n";
  for (int n = 1; n <= 73; ++n) pack += "I" + std::to_string(n) + "=T" + std::to_string(n) + "\r\n";
  WritePack("cf_eng.lng", pack);
  TFormConfig& f = OpenHere();
  ASSERT_TRUE(dialogs.messages.empty());

  enum class Where { Caption, Hint, Group, Item0, Item1 };
  AppearancePage& a = f.Appearance;
  FoldersPage& d = f.Folders;
  IconsPage& i = f.Icons;
  ClipboardPage& c = f.Clipboard;
  const struct {
    int number;
    Control* control;
    Where where;
  } table[] = {
      {4, &f, Where::Caption},
      {6, &f.SBAppear, Where::Caption},
      {7, &f.SBMenus, Where::Caption},
      {8, &f.SBClipbrd, Where::Caption},
      {9, &f.SBIcons, Where::Caption},
      {10, &f.SBAbout, Where::Caption},
      {11, &f.SpeedButApply, Where::Caption},
      {12, &f.SpeedButClose, Where::Caption},
      {14, &a.Label9, Where::Caption},
      {15, &a.Label13, Where::Caption},
      {16, &a.RGTopBottom, Where::Group},
      {17, &a.RGTopBottom, Where::Item0},
      {18, &a.RGTopBottom, Where::Item1},
      {19, &a.GBBackground, Where::Group},
      {20, &a.SBBackGrnd, Where::Caption},
      {21, &a.SBBckgColor, Where::Caption},
      {22, &a.CBNoneBckgrnd, Where::Caption},
      {23, &a.ChBBorder, Where::Caption},
      {24, &a.GBButtons, Where::Group},
      {25, &a.SBMenuFont, Where::Caption},
      {26, &a.SBGroupFont, Where::Caption},
      {27, &a.Label15, Where::Caption},
      {28, &a.ChBFixedMenuButWidth, Where::Caption},
      {29, &a.ChBAutoHide, Where::Caption},
      {30, &a.ChBShowPanelOnMouseMove, Where::Caption},
      {31, &a.ChBOnTop, Where::Caption},
      {32, &d.SpeedButAddDir, Where::Caption},
      {33, &d.SpeedButDelDir, Where::Caption},
      {34, &d.SButUp, Where::Hint},
      {35, &d.SButDown, Where::Hint},
      {36, &d.Label1, Where::Caption},
      {37, &d.Label10, Where::Caption},
      {38, &d.SBRenameDir, Where::Caption},
      {39, &d.CheckBox8, Where::Caption},
      {40, &d.CheckBox7, Where::Caption},
      {41, &d.CheckBox1, Where::Caption},
      {42, &d.CheckBox2, Where::Caption},
      {43, &d.CheckBox3, Where::Caption},
      {44, &d.CheckBox4, Where::Caption},
      {45, &d.CheckBox5, Where::Caption},
      {46, &d.CheckBox6, Where::Caption},
      {47, &d.RadioButExplore, Where::Caption},
      {48, &d.RadioButOpen, Where::Caption},
      {49, &i.Label8, Where::Caption},
      {50, &i.Label11, Where::Caption},
      {51, &i.SBAddItem, Where::Caption},
      {52, &i.SBDelItem, Where::Caption},
      {53, &i.SBRenameItem, Where::Caption},
      {54, &i.SBUpGroup, Where::Hint},
      {55, &i.SBDownGroup, Where::Hint},
      {56, &i.SBRenameGroup, Where::Caption},
      {57, &i.SBDownItem, Where::Hint},
      {58, &i.SBUpItem, Where::Hint},
      {59, &i.Label14, Where::Caption},
      {60, &i.ChBDelayIconCreate, Where::Caption},
      {61, &c.Label2, Where::Caption},
      {62, &i.SBFolder, Where::Hint},
      {63, &c.Label12, Where::Caption},
      {64, &c.GBHeader, Where::Group},
      {65, &c.Label4, Where::Caption},
      {66, &c.Label5, Where::Caption},
      {67, &c.Label6, Where::Caption},
      {68, &c.Label7, Where::Caption},
      {69, &c.ChBWriteHeader, Where::Caption},
      {70, &c.ChBWriteTimeStamp, Where::Caption},
      {71, &i.SBAddGroup, Where::Hint},
      {72, &i.SBDeleteGroup, Where::Hint},
      {73, &i.SBRenameGroup, Where::Hint},
  };
  ASSERT_EQ(std::size(table), InterfaceTexts().size());
  for (const auto& row : table) {
    const std::string text = "T" + std::to_string(row.number);
    switch (row.where) {
      case Where::Caption:
        EXPECT_EQ(row.control->Caption(), text) << row.number;
        break;
      case Where::Hint:
        EXPECT_EQ(row.control->Hint(), text) << row.number;
        break;
      case Where::Group:
        EXPECT_EQ(row.control->Caption(), " " + text + " ") << row.number;
        break;
      case Where::Item0:
      case Where::Item1:
        EXPECT_EQ(a.RGTopBottom.Item(row.where == Where::Item0 ? 0 : 1), text) << row.number;
        break;
    }
  }
  // Nothing else carries a pack's text: every binding is one of the table's.
  EXPECT_EQ(f.Texts.Bindings().size(), std::size(table));
  for (const auto& binding : f.Texts.Bindings()) {
    EXPECT_TRUE(std::any_of(std::begin(table), std::end(table), [&](const auto& row) {
      return row.number == binding.number && row.control == binding.control;
    })) << binding.number;
  }
}

TEST_F(LanguageTest, TextsBeyondTheCountShowTheMarker) {
  WritePack("cf_eng.lng", GermanPack(61));
  TFormConfig& f = OpenHere();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(f.Clipboard.Label2.Caption(), "T61");
  EXPECT_EQ(f.Clipboard.Label12.Caption(), kMarker);
  EXPECT_EQ(f.Clipboard.GBHeader.Caption(), std::string(" ") + kMarker + " ");
  EXPECT_EQ(f.Icons.SBFolder.Hint(), kMarker);
  EXPECT_EQ(f.Icons.SBRenameGroup.Hint(), kMarker);
}

TEST_F(LanguageTest, WithoutAPackTheWindowKeepsItsEnglishButTheCaption) {
  TFormConfig& f = OpenHere();
  EXPECT_THAT(dialogs.messages, ElementsAre("Error in language pack"));
  EXPECT_EQ(f.Caption(), kMarker);
  EXPECT_EQ(f.SBAppear.Caption(), "Appearance");
  EXPECT_EQ(f.Appearance.RGTopBottom.Caption(), " Location ");
  EXPECT_EQ(f.Icons.SBFolder.Hint(), "Add links to files from folder tree");

  dialogs.directoryAnswers = {"C:\\"};
  f.Folders.SpeedButAddDirClick(&f.Folders.SpeedButAddDir);
  EXPECT_THAT(dialogs.prompts, ElementsAre(std::string(kMarker) + "|" + kMarker + "|"));
}

TEST_F(LanguageTest, ABadCountIsReportedAndTheWindowStillWorks) {
  WritePack("cf_eng.lng",
            "Program=Brimdock Configuration\r\nLanguage=English\r\nM0=17\r\nI0=lots\r\n");
  TFormConfig& f = OpenHere();
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0], "'lots' is not a valid integer value");
  EXPECT_EQ(f.SBAppear.Caption(), "Appearance");
  SendMessageA(f.SpeedButApply.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialogs.errors.size(), 1u);
}

TEST_F(LanguageTest, TheEnglishPackMatchesTheBuiltInTexts) {
  std::filesystem::copy_file(BRIMDOCK_PACKS_DIR "/cf_eng.lng", folder_ + "cf_eng.lng");
  TFormConfig& f = OpenHere();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(f.Caption(), "Brimdock Configuration");
  EXPECT_EQ(f.Appearance.RGTopBottom.Caption(), " Location ");
  EXPECT_EQ(f.Appearance.GBBackground.Caption(), " Background picture ");
  EXPECT_EQ(f.Appearance.SEAutoHideDelay.Text(), "3000");
  EXPECT_EQ(f.Lang1.GetMessageText(13).empty(), false);
  EXPECT_NE(f.Lang1.GetMessageText(17), kMarker);
}

}  // namespace
}  // namespace brimdock::testing
