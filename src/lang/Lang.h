#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "lang/TextList.h"

namespace brimdock {

class DirectoryLister;
class FileSystem;
class ProfileReader;
class Registry;

// The registry root that holds the language choice: HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER or
// HKEY_USERS. Any other value counts as lgHKLM.
enum class THKEY { lgHKLM, lgHKCU, lgHKU };

// The platform's conversion error: "'<text>' is not a valid integer value".
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What the language component reaches outside itself through. The referenced objects must stay
// alive while the component is in use.
struct LangServices {
  Registry& registry;
  FileSystem& files;
  DirectoryLister& lister;
  ProfileReader& profiles;
  // Lets the application process its pending window messages; called after every entry of the
  // pack folder scan. May be empty.
  std::function<void()> processMessages;
};

// The text for a number that the loaded pack does not hold.
inline constexpr std::string_view kMissingTextMarker = "Error in language pak";
// The key for coded packs after construction.
inline constexpr std::string_view kDefaultPackCode = "marrowick";
// LoadLanguage's answer when no usable pack was found.
inline constexpr int kNoUsablePack = -2;

// The language component: finds the language packs in the program's folder, chooses one (the
// registry's choice if usable, else the default pack), reads its Interface texts and Messages,
// and hands them out by number. Line names in packs and language names compare without regard
// to the case of ASCII letters; other letters must match exactly.
class TLang {
 public:
  explicit TLang(LangServices services);

  // Chooses a pack and replaces the texts with its texts: 0 when a pack was loaded,
  // kNoUsablePack when none was usable (the texts then stay as they were). Throws ConvertError
  // for a count that is not a whole number, FileStreamError for a pack that cannot be read,
  // RegistryError for a registry choice that is not text, InOutError from decoding.
  int LoadLanguage();
  // Text number n, cut to 255 characters, or kMissingTextMarker beyond the list.
  [[nodiscard]] std::string GetInterfaceText(int n) const;
  [[nodiscard]] std::string GetMessageText(int n) const;

  // The steps of LoadLanguage, for a caller that offers a choice of language.
  // Fills LanguageNames and LanguageFiles with the packs of ProgramDir.
  void ScanLanguageFiles();
  // The pack's language name when the file is a pack of this program.
  [[nodiscard]] std::optional<std::string> CheckPackFile(const std::string& path);
  // The position of the chosen pack in the language lists, or kNoUsablePack.
  int SelectLanguageFile();

  [[nodiscard]] THKEY RootKey() const { return rootKey_; }
  void SetRootKey(THKEY root) { rootKey_ = root; }
  [[nodiscard]] const std::string& IniKey() const { return iniKey_; }
  void SetIniKey(std::string_view key);
  [[nodiscard]] const std::string& Code() const { return code_; }
  void SetCode(std::string_view code);
  [[nodiscard]] const std::string& ProgramDir() const { return programDir_; }
  void SetProgramDir(std::string_view folder);
  [[nodiscard]] bool LangCoded() const { return langCoded_; }
  void SetLangCoded(bool coded) { langCoded_ = coded; }
  [[nodiscard]] const std::string& DefaultLangFile() const { return defaultLangFile_; }
  void SetDefaultLangFile(std::string_view file) { defaultLangFile_ = file; }
  [[nodiscard]] const std::string& DefaultLangName() const { return defaultLangName_; }
  void SetDefaultLangName(std::string_view name);
  [[nodiscard]] bool AsIniFile() const { return asIniFile_; }
  void SetAsIniFile(bool asIni) { asIniFile_ = asIni; }
  [[nodiscard]] const std::string& Section1() const { return section1_; }
  void SetSection1(std::string_view section);
  [[nodiscard]] const std::string& Section2() const { return section2_; }
  void SetSection2(std::string_view section);
  [[nodiscard]] const std::string& LangExt() const { return langExt_; }
  void SetLangExt(std::string_view extension);
  [[nodiscard]] const std::string& ProgramName() const { return programName_; }
  void SetProgramName(std::string_view name);

  [[nodiscard]] const TextList& InterfaceTexts() const { return interfaceTexts_; }
  [[nodiscard]] const TextList& MessageTexts() const { return messageTexts_; }
  [[nodiscard]] const std::vector<std::string>& LanguageNames() const { return languageNames_; }
  [[nodiscard]] const std::vector<std::string>& LanguageFiles() const { return languageFiles_; }
  [[nodiscard]] int LanguageIndex() const { return languageIndex_; }
  // Set from outside (a handler run while the scan processes messages) to stop the scan.
  [[nodiscard]] bool AbortScan() const { return abortScan_; }
  void SetAbortScan(bool abort) { abortScan_ = abort; }

 private:
  struct Candidate {
    std::string file;
    std::string language;
  };

  [[nodiscard]] std::optional<Candidate> ReadLanguageChoice() const;
  int Choose(const std::string& path, const std::string& language);
  void ReadPackAsList(const std::string& path);
  void ReadPackAsIni(const std::string& path);

  LangServices services_;

  THKEY rootKey_ = THKEY::lgHKLM;
  std::string iniKey_;
  std::string code_{kDefaultPackCode};
  TextList interfaceTexts_;
  TextList messageTexts_;
  std::string programDir_;
  bool langCoded_ = false;
  std::string defaultLangFile_;
  std::string defaultLangName_ = "English";
  bool asIniFile_ = true;
  std::string section1_ = "Interface";
  std::string section2_ = "Messages";
  std::string langExt_ = ".lng";
  std::string programName_;
  std::vector<std::string> languageNames_;
  std::vector<std::string> languageFiles_;
  int languageIndex_ = 0;
  bool abortScan_ = false;
};

}  // namespace brimdock
