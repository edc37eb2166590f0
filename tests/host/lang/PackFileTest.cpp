// The English pack that ships beside the program, read by the real loader from packs/.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "lang/InterfaceTexts.h"
#include "lang/Lang.h"
#include "support/MemoryRegistry.h"

#ifdef _WIN32
#include "platform/Win32DirectoryLister.h"
#include "platform/Win32LangFiles.h"
#else
#include "lang/HostFiles.h"
#include "lang/IniText.h"
#endif

namespace brimdock {
namespace {

using brimdock::testing::MemoryRegistry;

std::string PacksFolder() {
  std::string folder = BRIMDOCK_PACKS_DIR;
#ifdef _WIN32
  // A cross build names the Linux source folder, which Wine shows as drive Z:.
  if (folder.front() == '/') {
    for (char& c : folder) c = c == '/' ? '\\' : c;
    folder = "Z:" + folder;
  }
#endif
  return folder;
}

std::string WithoutWrappingBlanks(std::string_view text) {
  if (text.size() >= 2 && text.front() == ' ' && text.back() == ' ') {
    text = text.substr(1, text.size() - 2);
  }
  return std::string(text);
}

TEST(EnglishPack, LoadsAsTheUtilitysDefaultPackWithTheBuiltInTexts) {
  MemoryRegistry registry;
#ifdef _WIN32
  Win32FileSystem files;
  Win32DirectoryLister lister;
  Win32ProfileReader profiles;
#else
  HostFileSystem files;
  HostDirectoryLister lister;
  TextProfileReader profiles(files);
#endif
  for (const bool asIni : {false, true}) {
    TLang lang(LangServices{registry, files, lister, profiles, {}});
    lang.SetProgramDir(PacksFolder());
    lang.SetRootKey(THKEY::lgHKCU);
    lang.SetIniKey("Software\\Marrowick Software\\Brimdock\\LangConfig");
    lang.SetDefaultLangFile("cf_eng.lng");
    lang.SetProgramName("Brimdock Configuration");
    lang.SetAsIniFile(asIni);

    ASSERT_EQ(lang.LoadLanguage(), 0) << "in " << PacksFolder();
    EXPECT_EQ(lang.DefaultLangName(), "English");
    EXPECT_EQ(lang.GetInterfaceText(0), "73");
    EXPECT_EQ(lang.GetMessageText(0), "17");
    for (const auto& text : InterfaceTexts()) {
      EXPECT_EQ(lang.GetInterfaceText(text.number), WithoutWrappingBlanks(text.english))
          << text.number;
    }
    for (int n = 13; n <= 17; ++n) {
      EXPECT_THAT(lang.GetMessageText(n),
                  ::testing::AllOf(::testing::Not(::testing::IsEmpty()),
                                   ::testing::Ne(std::string(kMissingTextMarker))))
          << n;
    }
  }
}

}  // namespace
}  // namespace brimdock
