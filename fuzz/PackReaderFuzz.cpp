// Arbitrary bytes as a language pack: loaded plain, as an INI file or coded, then fetched from.
// The first byte chooses the mode; the rest is the pack, behind a valid "Program" and
// "Language" head unless the mode asks for the bytes alone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "lang/Cod.h"
#include "lang/IniText.h"
#include "lang/Lang.h"
#include "lang/PackText.h"
#include "support/MemoryFiles.h"
#include "support/MemoryRegistry.h"

namespace {

using namespace brimdock;
using brimdock::testing::MemoryFiles;
using brimdock::testing::MemoryRegistry;

constexpr std::uint8_t kAsIni = 0x01;
constexpr std::uint8_t kCoded = 0x02;
constexpr std::uint8_t kRegistryChoice = 0x04;
constexpr std::uint8_t kNoHead = 0x08;
constexpr char kDir[] = "C:\\Prog\\";
constexpr char kHead[] = "Program=Fuzz\r\nLanguage=Any\r\n";

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckFetch(const std::string& text, std::int64_t n, std::int64_t count) {
  Check(text.size() <= 255);
  if (n >= count) Check(text == kMissingTextMarker);
}

void Fetch(const TLang& lang, std::string_view data) {
  const auto interfaceCount = lang.InterfaceTexts().Count();
  const auto messageCount = lang.MessageTexts().Count();
  const std::int64_t numbers[] = {
      0, 1, 2, 73, interfaceCount - 1, interfaceCount, messageCount - 1, messageCount, 2147483647};
  for (const auto n : numbers) {
    if (n < 0 || n > 2147483647) continue;
    CheckFetch(lang.GetInterfaceText(static_cast<int>(n)), n, interfaceCount);
    CheckFetch(lang.GetMessageText(static_cast<int>(n)), n, messageCount);
  }
  for (std::size_t i = 0; i + 1 < data.size() && i < 16; i += 2) {
    const int n =
        static_cast<unsigned char>(data[i]) * 256 + static_cast<unsigned char>(data[i + 1]);
    CheckFetch(lang.GetInterfaceText(n), n, interfaceCount);
    CheckFetch(lang.GetMessageText(n), n, messageCount);
  }
}

void LoadAsPack(std::uint8_t mode, std::string_view data) {
  MemoryRegistry registry;
  MemoryFiles files;
  TextProfileReader profiles(files);
  TLang lang(LangServices{registry, files, files, profiles, {}});
  lang.SetProgramDir(kDir);
  lang.SetRootKey(THKEY::lgHKCU);
  lang.SetIniKey("Choice");
  lang.SetDefaultLangFile("pack.lng");
  lang.SetProgramName("Fuzz");
  lang.SetAsIniFile((mode & kAsIni) != 0);
  lang.SetLangCoded((mode & kCoded) != 0);

  const std::string head = (mode & kNoHead) != 0 ? "" : kHead;
  std::string pack = head + std::string(data);
  if ((mode & kCoded) != 0) {
    try {
      pack = MakeCodedPack(lang.Code(), head, data);
    } catch (const std::invalid_argument&) {
      return;
    }
  }
  files.AddFile("C:\\Prog\\pack.lng", pack);
  files.AddFile("C:\\Prog\\raw.lng", std::string(data));
  if ((mode & kRegistryChoice) != 0) {
    const auto language = FindPackValue(data, "Language").value_or("Any");
    registry.Put(RootKey::CurrentUser, "Choice", "", {ValueType::String, std::string(language)});
    registry.Put(RootKey::CurrentUser, "Choice", std::string(language),
                 {ValueType::String, "raw.lng"});
  }

  try {
    lang.LoadLanguage();
  } catch (const ConvertError&) {
    // A count that is not a whole number.
  }
  Check(!files.FileExists("C:\\Prog\\pack.lng~"));
  Fetch(lang, data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size == 0) return 0;
  const auto mode = bytes[0];
  const std::string_view data(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  LoadAsPack(mode, data);

  const IniText ini(data);
  (void)ini.ReadString("Interface", "I0", " ");
  const auto numbers = FindIniKeyNumbers(data);
  (void)numbers;
  const auto head = data.substr(0, 256);
  Check(EncodeBytes("marrowick", DecodeBytes("marrowick", head)) == head);
  return 0;
}
