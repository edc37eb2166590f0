#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

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
  EXPECT_EQ(f.RGTopBottom.Caption(), " T16 ");
  EXPECT_EQ(f.RGTopBottom.Item(0), "T17");
  EXPECT_EQ(f.RGTopBottom.Item(1), "T18");
  EXPECT_EQ(f.GBHeader.Caption(), " T64 ");
  EXPECT_EQ(f.SButUp.Hint(), "T34");
  EXPECT_EQ(f.SButUp.Caption(), "\xAD") << "arrow buttons keep their glyphs";
  EXPECT_EQ(f.SBAddGroup.Caption(), "+");
  EXPECT_EQ(f.SBRenameGroup.Caption(), "T56");
  EXPECT_EQ(f.SBRenameGroup.Hint(), "T73");
  EXPECT_EQ(f.SBFolder.Hint(), "T62");
  EXPECT_EQ(f.ChBWriteTimeStamp.Caption(), "T70");

  f.LBGroups.SetItemIndex(-1);
  f.SBPagesClick(&f.SBIcons);
  dialogs.inputAnswers = {"Neu"};
  f.SBAddGroupClick(&f.SBAddGroup);
  EXPECT_THAT(dialogs.prompts, ElementsAre("T4|Gruppe:|"));
}

TEST_F(LanguageTest, TextsBeyondTheCountShowTheMarker) {
  WritePack("cf_eng.lng", GermanPack(61));
  TFormConfig& f = OpenHere();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(f.Label2.Caption(), "T61");
  EXPECT_EQ(f.Label12.Caption(), kMarker);
  EXPECT_EQ(f.GBHeader.Caption(), std::string(" ") + kMarker + " ");
  EXPECT_EQ(f.SBFolder.Hint(), kMarker);
  EXPECT_EQ(f.SBRenameGroup.Hint(), kMarker);
}

TEST_F(LanguageTest, WithoutAPackTheWindowKeepsItsEnglishButTheCaption) {
  TFormConfig& f = OpenHere();
  EXPECT_THAT(dialogs.messages, ElementsAre("Error in language pack"));
  EXPECT_EQ(f.Caption(), kMarker);
  EXPECT_EQ(f.SBAppear.Caption(), "Appearance");
  EXPECT_EQ(f.RGTopBottom.Caption(), " Location ");
  EXPECT_EQ(f.SBFolder.Hint(), "Add links to files from folder tree");

  dialogs.directoryAnswers = {"C:\\"};
  f.SpeedButAddDirClick(&f.SpeedButAddDir);
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
  EXPECT_EQ(f.RGTopBottom.Caption(), " Location ");
  EXPECT_EQ(f.GBBackground.Caption(), " Background picture ");
  EXPECT_EQ(f.SEAutoHideDelay.Text(), "3000");
  EXPECT_EQ(f.Lang1.GetMessageText(13).empty(), false);
  EXPECT_NE(f.Lang1.GetMessageText(17), kMarker);
}

}  // namespace
}  // namespace brimdock::testing
