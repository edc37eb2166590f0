#include "lang/Lang.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lang/Cod.h"
#include "lang/IniText.h"
#include "support/MemoryFiles.h"
#include "support/MemoryRegistry.h"

namespace brimdock {
namespace {

using brimdock::testing::MemoryFiles;
using brimdock::testing::MemoryRegistry;
using ::testing::ElementsAre;
using ::testing::ThrowsMessage;

constexpr char kDir[] = "C:\\Prog\\";
constexpr char kIniKey[] = "Software\\Marrowick Software\\Brimdock\\LangConfig";
constexpr char kProgram[] = "Brimdock Configuration";
const std::string kMarker(kMissingTextMarker);

std::string Pack(const std::string& language, const std::string& body,
                 const std::string& program = kProgram) {
  return "Program=" + program + "\r\nLanguage=" + language + "\r\n" + body;
}

// A TLang set up as the configuration utility sets up its own, over memory files and registry.
class LangTest : public ::testing::Test {
 protected:
  LangTest() {
    files_.AddFolder(kDir);
    lang_.SetProgramDir(kDir);
    lang_.SetRootKey(THKEY::lgHKCU);
    lang_.SetIniKey(kIniKey);
    lang_.SetDefaultLangFile("cf_eng.lng");
    lang_.SetProgramName(kProgram);
    lang_.SetAsIniFile(false);
  }

  void AddPack(const std::string& name, const std::string& language, const std::string& body) {
    files_.AddFile(kDir + name, Pack(language, body));
  }
  void ChooseInRegistry(const std::string& language, const std::string& file,
                        RootKey root = RootKey::CurrentUser) {
    registry_.Put(root, kIniKey, "", {ValueType::String, language});
    registry_.Put(root, kIniKey, language, {ValueType::String, file});
  }
  std::vector<std::string> InterfaceTexts(int upTo) const {
    std::vector<std::string> texts;
    for (int n = 0; n <= upTo; ++n) texts.push_back(lang_.GetInterfaceText(n));
    return texts;
  }

  MemoryRegistry registry_;
  MemoryFiles files_;
  TextProfileReader profiles_{files_};
  int messageTurns_ = 0;
  std::function<void()> onMessages_;
  TLang lang_{LangServices{registry_, files_, files_, profiles_, [this] {
                             ++messageTurns_;
                             if (onMessages_) onMessages_();
                           }}};
};

TEST(LangDefaults, AreThoseOfTheComponentAndEveryTextIsTheMarker) {
  MemoryRegistry registry;
  MemoryFiles files;
  TextProfileReader profiles(files);
  TLang lang(LangServices{registry, files, files, profiles, {}});
  EXPECT_EQ(lang.RootKey(), THKEY::lgHKLM);
  EXPECT_EQ(lang.IniKey(), "");
  EXPECT_EQ(lang.Code().size(), 9U);
  EXPECT_TRUE(std::all_of(lang.Code().begin(), lang.Code().end(),
                          [](char c) { return c >= 'a' && c <= 'z'; }));
  EXPECT_EQ(lang.ProgramDir(), "");
  EXPECT_FALSE(lang.LangCoded());
  EXPECT_EQ(lang.DefaultLangFile(), "");
  EXPECT_EQ(lang.DefaultLangName(), "English");
  EXPECT_TRUE(lang.AsIniFile());
  EXPECT_EQ(lang.Section1(), "Interface");
  EXPECT_EQ(lang.Section2(), "Messages");
  EXPECT_EQ(lang.LangExt(), ".lng");
  EXPECT_EQ(lang.ProgramName(), "");
  EXPECT_TRUE(lang.LanguageNames().empty());
  EXPECT_TRUE(lang.LanguageFiles().empty());
  EXPECT_EQ(lang.LanguageIndex(), 0);
  EXPECT_FALSE(lang.AbortScan());
  EXPECT_EQ(lang.GetInterfaceText(0), kMarker);
  EXPECT_EQ(lang.GetMessageText(0), kMarker);
  EXPECT_EQ(lang.GetInterfaceText(-1), kMarker);

  const std::string longText(300, 'x');
  lang.SetProgramName(longText);
  lang.SetDefaultLangFile(longText);
  EXPECT_EQ(lang.ProgramName().size(), 255U);
  EXPECT_EQ(lang.DefaultLangFile().size(), 300U);  // the one text property without a limit
}

TEST_F(LangTest, LoadsTheDefaultPackWithGapsAsEmptyTextsAndTheMarkerBeyondTheCount) {
  AddPack("cf_eng.lng", "English",
          "I0=5\r\nI1=One\r\nI3=Three\r\nI5=\r\nI6=beyond\r\n"
          "M0=1\r\nm1=lower-case name\r\n");
  EXPECT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_THAT(InterfaceTexts(6), ElementsAre("5", "One", "", "Three", "", "", kMarker));
  EXPECT_EQ(lang_.GetMessageText(1), "lower-case name");
  EXPECT_EQ(lang_.GetMessageText(2), kMarker);
  EXPECT_EQ(lang_.LanguageIndex(), 0);
  EXPECT_EQ(lang_.DefaultLangFile(), "C:\\Prog\\cf_eng.lng");
  EXPECT_EQ(lang_.DefaultLangName(), "English");
}

TEST_F(LangTest, PackNamesIgnoreCaseWhileProgramAndLanguageValuesMustBeExact) {
  const struct {
    std::string text;
    bool accepted;
  } cases[] = {
      {"PROGRAM=Brimdock Configuration\nLANGUAGE=English", true},
      {"language=English\rprogram=Brimdock Configuration", true},
      {"Program=brimdock configuration\nLanguage=English", false},
      {"Program=Brimdock Configuration \nLanguage=English", false},
      {"Program =Brimdock Configuration\nLanguage=English", false},
      {" Program=Brimdock Configuration\nLanguage=English", false},
      {"Program=Other\nProgram=Brimdock Configuration\nLanguage=English", false},
      {"Program=Brimdock Configuration\nLanguage=", false},
      {"Program=Brimdock Configuration\nLanguage", false},
      {"Language=English", false},
  };
  for (const auto& c : cases) {
    files_.AddFile("C:\\Prog\\x.lng", c.text);
    EXPECT_EQ(lang_.CheckPackFile("C:\\Prog\\x.lng").has_value(), c.accepted) << c.text;
  }
  files_.AddFile("C:\\Prog\\x.lng", "Program=Brimdock Configuration\nLanguage= Deutsch=DE ");
  EXPECT_EQ(lang_.CheckPackFile("C:\\Prog\\x.lng"), " Deutsch=DE ");
}

TEST_F(LangTest, TheFirstLineOfAKeyCountsWhereverTheSectionHeadersStand) {
  AddPack("cf_eng.lng", "English",
          "[Messages]\r\nI0=2\r\nI1=first\r\n[Interface]\r\nI0=9\r\nI1=second\r\nI2=two\r\n"
          "M0=0\r\n");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_THAT(InterfaceTexts(3), ElementsAre("2", "first", "two", kMarker));
}

TEST_F(LangTest, TheRegistryChoiceIsTriedFirstUnderTheConfiguredRoot) {
  AddPack("cf_eng.lng", "English", "I0=1\r\nI1=Hello\r\nM0=0\r\n");
  AddPack("de.lng", "Deutsch", "I0=1\r\nI1=Hallo\r\nM0=0\r\n");
  const struct {
    THKEY rootKey;
    RootKey chosenUnder;
    const char* expected;
  } cases[] = {
      {THKEY::lgHKCU, RootKey::CurrentUser, "Hallo"},
      {THKEY::lgHKLM, RootKey::LocalMachine, "Hallo"},
      {THKEY::lgHKU, RootKey::Users, "Hallo"},
      {static_cast<THKEY>(7), RootKey::LocalMachine, "Hallo"},
      {THKEY::lgHKCU, RootKey::LocalMachine, "Hello"},
      {THKEY::lgHKLM, RootKey::CurrentUser, "Hello"},
  };
  for (const auto& c : cases) {
    MemoryRegistry registry;
    TLang lang(LangServices{registry, files_, files_, profiles_, {}});
    lang.SetProgramDir(kDir);
    lang.SetIniKey(kIniKey);
    lang.SetDefaultLangFile("cf_eng.lng");
    lang.SetProgramName(kProgram);
    lang.SetAsIniFile(false);
    lang.SetRootKey(c.rootKey);
    registry.Put(c.chosenUnder, kIniKey, "", {ValueType::String, "Deutsch"});
    registry.Put(c.chosenUnder, kIniKey, "deutsch", {ValueType::String, "de.lng"});
    ASSERT_EQ(lang.LoadLanguage(), 0);
    EXPECT_EQ(lang.GetInterfaceText(1), c.expected) << static_cast<int>(c.rootKey);
  }
}

TEST_F(LangTest, FallsBackToTheDefaultPackWhenTheRegistryChoiceIsNotUsable) {
  AddPack("cf_eng.lng", "English", "I0=1\r\nI1=Hello\r\nM0=0\r\n");
  files_.AddFile("C:\\Prog\\other.lng", Pack("Deutsch", "I0=1\r\nI1=Hallo\r\n", "Other"));
  files_.AddFolder("C:\\Prog\\folder.lng");
  const struct {
    const char* language;
    const char* file;  // nullptr: no value of that name
  } cases[] = {
      {"Deutsch", nullptr},
      {"Deutsch", "missing.lng"},
      {"Deutsch", "other.lng"},
      {"Deutsch", "folder.lng"},
      {"", nullptr},  // the default value names the empty language: itself
  };
  for (const auto& c : cases) {
    MemoryRegistry registry;
    TLang lang(LangServices{registry, files_, files_, profiles_, {}});
    lang.SetProgramDir(kDir);
    lang.SetRootKey(THKEY::lgHKCU);
    lang.SetIniKey(kIniKey);
    lang.SetDefaultLangFile("cf_eng.lng");
    lang.SetProgramName(kProgram);
    lang.SetAsIniFile(false);
    registry.Put(RootKey::CurrentUser, kIniKey, "", {ValueType::String, c.language});
    if (c.file != nullptr) {
      registry.Put(RootKey::CurrentUser, kIniKey, c.language, {ValueType::String, c.file});
    }
    const std::string file = c.file == nullptr ? "(none)" : c.file;
    ASSERT_EQ(lang.LoadLanguage(), 0) << file;
    EXPECT_EQ(lang.GetInterfaceText(1), "Hello") << file;
    EXPECT_EQ(lang.DefaultLangName(), "English");
  }
}

TEST_F(LangTest, ReadsTheRegistryWithoutCreatingTheKeyAndRaisesForValuesThatAreNotText) {
  AddPack("cf_eng.lng", "English", "I0=0\r\nM0=0\r\n");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_FALSE(registry_.KeyExists(RootKey::CurrentUser, kIniKey));
  EXPECT_EQ(registry_.WriteCount(), 0U);

  registry_.Put(RootKey::CurrentUser, kIniKey, "", {ValueType::Dword, "\x01\0\0\0"});
  EXPECT_THAT([&] { lang_.LoadLanguage(); },
              ThrowsMessage<RegistryError>("Invalid data type for ''"));
  registry_.Put(RootKey::CurrentUser, kIniKey, "", {ValueType::ExpandString, "Deutsch"});
  registry_.Put(RootKey::CurrentUser, kIniKey, "Deutsch", {ValueType::Binary, "de.lng"});
  EXPECT_THAT([&] { lang_.LoadLanguage(); },
              ThrowsMessage<RegistryError>("Invalid data type for 'Deutsch'"));
}

TEST_F(LangTest, TheChosenPacksOwnLanguageNameWinsOverTheRegistrys) {
  AddPack("cf_eng.lng", "English", "I0=0\r\nM0=0\r\n");
  AddPack("de.lng", "Deutsch", "I0=1\r\nI1=Hallo\r\nM0=0\r\n");
  ChooseInRegistry("German", "de.lng");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_EQ(lang_.DefaultLangName(), "Deutsch");
  EXPECT_EQ(lang_.DefaultLangFile(), "C:\\Prog\\de.lng");
  ASSERT_EQ(lang_.LanguageIndex(), 1);
  EXPECT_EQ(lang_.LanguageNames()[1], "Deutsch");
}

TEST_F(LangTest, APackWithAFolderPartIsUsedAsGivenAndListedFirstUnlessItsLanguageWasFound) {
  AddPack("cf_eng.lng", "English", "I0=0\r\nM0=0\r\n");
  AddPack("de.lng", "Deutsch", "I0=1\r\nI1=im Ordner\r\nM0=0\r\n");
  files_.AddFile("D:\\Packs\\fr.lng", Pack("Francais", "I0=1\r\nI1=Bonjour\r\nM0=0\r\n"));
  files_.AddFile("D:\\Packs\\de.lng", Pack("DEUTSCH", "I0=1\r\nI1=ausserhalb\r\nM0=0\r\n"));

  ChooseInRegistry("Francais", "D:\\Packs\\fr.lng");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_EQ(lang_.GetInterfaceText(1), "Bonjour");
  EXPECT_EQ(lang_.LanguageIndex(), 0);
  EXPECT_THAT(lang_.LanguageNames(), ElementsAre("Francais", "English", "Deutsch"));
  EXPECT_THAT(lang_.LanguageFiles(),
              ElementsAre("D:\\Packs\\fr.lng", "C:\\Prog\\cf_eng.lng", "C:\\Prog\\de.lng"));

  // Same language name as a pack in the folder, letter case aside: that entry takes the path.
  ChooseInRegistry("Deutsch", "D:\\Packs\\de.lng");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_EQ(lang_.GetInterfaceText(1), "ausserhalb");
  EXPECT_EQ(lang_.LanguageIndex(), 1);
  EXPECT_THAT(lang_.LanguageNames(), ElementsAre("English", "Deutsch"));
  EXPECT_THAT(lang_.LanguageFiles(), ElementsAre("C:\\Prog\\cf_eng.lng", "D:\\Packs\\de.lng"));
  EXPECT_EQ(lang_.DefaultLangName(), "DEUTSCH");

  // A bare name is looked for in the program folder only.
  ChooseInRegistry("Francais", "fr.lng");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_EQ(lang_.GetInterfaceText(1), "ausserhalb");  // the pack loaded last is the default now
}

TEST_F(LangTest, WithoutAnyUsablePackLoadingFailsAndChangesNoText) {
  files_.AddFile("C:\\Prog\\other.lng", Pack("English", "I0=0\r\n", "Other"));
  EXPECT_EQ(lang_.LoadLanguage(), kNoUsablePack);
  EXPECT_EQ(lang_.LanguageIndex(), kNoUsablePack);
  EXPECT_EQ(lang_.DefaultLangFile(), "cf_eng.lng");
  EXPECT_EQ(lang_.DefaultLangName(), "English");
  EXPECT_EQ(lang_.GetInterfaceText(0), kMarker);
  EXPECT_EQ(lang_.GetMessageText(0), kMarker);

  AddPack("cf_eng.lng", "English", "I0=1\r\nI1=Hello\r\nM0=0\r\n");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  files_.Remove("C:\\Prog\\cf_eng.lng");
  EXPECT_EQ(lang_.LoadLanguage(), kNoUsablePack);
  EXPECT_EQ(lang_.GetInterfaceText(1), "Hello");
}

TEST_F(LangTest, TheScanListsEveryPackOfThisProgramAndLetsMessagesRunAfterEachEntry) {
  const std::string binary("\x00\xff=\r\n\x80Program=\x01", 13);
  files_.AddFolder("C:\\Prog\\folder.lng");
  files_.AddFile("C:\\Prog\\folder.lng\\inner.lng", Pack("Inner", ""));
  AddPack("a.lng", "English", "");
  files_.AddFile("C:\\Prog\\binary.lng", binary + std::string(100000, '\x07'));
  files_.AddFile("C:\\Prog\\long.lng", std::string(1 << 20, 'x') + "\n" + Pack("Long", ""));
  files_.AddFile("C:\\Prog\\notes.txt", Pack("Text", ""));
  files_.AddFile("C:\\Prog\\HIDDEN.LNG", Pack("English", ""),
                 kAttrHidden | kAttrSystem | kAttrReadOnly);
  files_.AddFile("C:\\Prog\\other.lng", Pack("Other", "", "Other"));

  lang_.SetAbortScan(true);  // cleared by the scan
  lang_.ScanLanguageFiles();
  EXPECT_THAT(lang_.LanguageNames(), ElementsAre("English", "Long", "English"));
  EXPECT_THAT(lang_.LanguageFiles(),
              ElementsAre("C:\\Prog\\a.lng", "C:\\Prog\\long.lng", "C:\\Prog\\HIDDEN.LNG"));
  EXPECT_EQ(messageTurns_, 6);

  messageTurns_ = 0;
  onMessages_ = [this] {
    if (messageTurns_ == 2) lang_.SetAbortScan(true);
  };
  lang_.ScanLanguageFiles();
  EXPECT_EQ(messageTurns_, 2);
  EXPECT_THAT(lang_.LanguageNames(), ElementsAre("English"));
}

TEST_F(LangTest, APackThatCannotBeReadRaisesOutOfLoading) {
  AddPack("cf_eng.lng", "English", "I0=0\r\nM0=0\r\n");
  files_.AddFile("C:\\Prog\\locked.lng", "");
  files_.DenyAccess("C:\\Prog\\locked.lng");
  EXPECT_THAT([&] { lang_.LoadLanguage(); },
              ThrowsMessage<FileStreamError>(
                  "Cannot open file \"C:\\Prog\\locked.lng\". File access denied"));
}

TEST_F(LangTest, HugeCountsHoldOnlyTheTextsPresent) {
  AddPack("cf_eng.lng", "English",
          "I0=2000000000\r\nI1=one\r\nI1999999999=far\r\nI2000000001=beyond\r\n"
          "M0=$7FFFFFFF\r\nM2147483647=last\r\nM02=leading zero\r\nM+2=sign\r\n");
  for (const bool asIni : {false, true}) {
    lang_.SetAsIniFile(asIni);
    lang_.SetSection1("Any");
    lang_.SetSection2("Any");
    if (asIni)
      files_.AddFile("C:\\Prog\\cf_eng.lng",
                     "[Any]\r\n" + *files_.Contents("C:\\Prog\\cf_eng.lng"));
    ASSERT_EQ(lang_.LoadLanguage(), 0);
    const std::string gap = asIni ? " " : "";
    EXPECT_EQ(lang_.InterfaceTexts().Count(), 2000000001);
    EXPECT_EQ(lang_.GetInterfaceText(1), "one");
    EXPECT_EQ(lang_.GetInterfaceText(1999999998), gap);
    EXPECT_EQ(lang_.GetInterfaceText(1999999999), "far");
    EXPECT_EQ(lang_.GetInterfaceText(2000000000), gap);
    EXPECT_EQ(lang_.GetInterfaceText(2000000001), kMarker);
    EXPECT_EQ(lang_.GetMessageText(2), gap);
    EXPECT_EQ(lang_.GetMessageText(2147483647), "last");
  }
}

TEST_F(LangTest, ANegativeCountLeavesItsListEmpty) {
  AddPack("cf_eng.lng", "English", "I0=-1\r\nI1=x\r\nM0=-2147483647\r\n");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_EQ(lang_.GetInterfaceText(0), kMarker);
  EXPECT_EQ(lang_.GetMessageText(0), kMarker);
}

TEST_F(LangTest, ACountThatIsNoWholeNumberRaisesTheConversionErrorAfterTheListsReadBefore) {
  const struct {
    bool asIni;
    std::string body;
    std::string error;
    bool interfaceFilled;
    bool messagesFilled;
  } cases[] = {
      {false, "I0=12x\r\nM0=1\r\nM1=m\r\n", "'12x' is not a valid integer value", false, true},
      {false, "I0=1\r\nM0= 1 \r\n", "' 1 ' is not a valid integer value", false, false},
      {false, "I0=1\r\n", "'' is not a valid integer value", false, false},
      {false, "I0=2147483648\r\nM0=0\r\n", "'2147483648' is not a valid integer value", false,
       true},
      {true, "[Interface]\r\nI0=x\r\n[Messages]\r\nM0=0\r\n", "'x' is not a valid integer value",
       false, false},
      {true, "[Interface]\r\nI0=1\r\n[Messages]\r\nM0=\r\n", "'' is not a valid integer value",
       true, false},
  };
  for (const auto& c : cases) {
    AddPack("cf_eng.lng", "English", c.body);
    lang_.SetAsIniFile(c.asIni);
    EXPECT_THAT([&] { lang_.LoadLanguage(); }, ThrowsMessage<ConvertError>(c.error)) << c.body;
    EXPECT_EQ(lang_.GetInterfaceText(0) != kMarker, c.interfaceFilled) << c.body;
    EXPECT_EQ(lang_.GetMessageText(0) != kMarker, c.messagesFilled) << c.body;
  }
}

TEST_F(LangTest, IniReadingTakesEachListFromItsSectionWithABlankForMissingNumbers) {
  const std::string longText(300, 'L');
  AddPack("cf_eng.lng", "English",
          "[Interface]\r\nI0=3\r\n I1 = one \r\nI3=" + longText +
              "\r\n[Messages]\r\nM0=2\r\nM1=\"quoted\"\r\nI2=in the wrong section\r\n"
              "[Other]\r\nProgram=ignored\r\n");
  lang_.SetAsIniFile(true);
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_THAT(InterfaceTexts(4), ElementsAre("3", "one", " ", longText.substr(0, 255), kMarker));
  EXPECT_EQ(lang_.InterfaceTexts().At(3), longText);  // cut when fetched, not when read
  EXPECT_EQ(lang_.GetMessageText(1), "quoted");
  EXPECT_EQ(lang_.GetMessageText(2), " ");

  AddPack("cf_eng.lng", "English", "[Interface]\r\nI1=no count\r\n");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_EQ(lang_.GetInterfaceText(0), " ");
  EXPECT_EQ(lang_.GetInterfaceText(1), kMarker);
  EXPECT_EQ(lang_.GetMessageText(0), " ");
}

TEST_F(LangTest, PlainReadingCutsTextsTo255Characters) {
  const std::string longText(300, 'L');
  AddPack("cf_eng.lng", "English", "I0=1\r\nI1=" + longText + "\r\nM0=0\r\n");
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_EQ(lang_.InterfaceTexts().At(1), longText.substr(0, 255));
  EXPECT_EQ(lang_.GetInterfaceText(1), longText.substr(0, 255));
}

TEST_F(LangTest, CodedPacksAreDecodedIntoATemporaryFileThatIsRemovedAfterwards) {
  const std::string head = Pack("English", "");
  lang_.SetLangCoded(true);
  for (const bool asIni : {false, true}) {
    lang_.SetAsIniFile(asIni);
    files_.AddFile("C:\\Prog\\cf_eng.lng",
                   MakeCodedPack(lang_.Code(), head,
                                 "[Interface]\r\nI0=1\r\nI1=decoded\r\n[Messages]\r\nM0=0\r\n"));
    ASSERT_EQ(lang_.LoadLanguage(), 0);
    EXPECT_EQ(lang_.GetInterfaceText(1), "decoded") << asIni;
    EXPECT_FALSE(files_.FileExists("C:\\Prog\\cf_eng.lng~"));
  }

  // A wrong key gives meaningless bytes: no count lines.
  lang_.SetCode("wrongkey");
  lang_.SetAsIniFile(true);
  ASSERT_EQ(lang_.LoadLanguage(), 0);
  EXPECT_EQ(lang_.GetInterfaceText(0), " ");
  EXPECT_EQ(lang_.GetInterfaceText(1), kMarker);
  lang_.SetAsIniFile(false);
  EXPECT_THAT([&] { lang_.LoadLanguage(); },
              ThrowsMessage<ConvertError>("'' is not a valid integer value"));
  EXPECT_FALSE(files_.FileExists("C:\\Prog\\cf_eng.lng~"));
}

}  // namespace
}  // namespace brimdock
