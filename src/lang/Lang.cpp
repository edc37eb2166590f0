#include "lang/Lang.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "lang/Cod.h"
#include "lang/DirectoryLister.h"
#include "lang/FileSystem.h"
#include "lang/PackText.h"
#include "lang/ProfileReader.h"
#include "lang/ShortText.h"
#include "settings/NumberText.h"
#include "settings/Registry.h"

namespace brimdock {
namespace {

using lang::EqualsIgnoringCase;
using lang::ShortText;

RootKey RegistryRoot(THKEY root) {
  switch (root) {
    case THKEY::lgHKCU:
      return RootKey::CurrentUser;
    case THKEY::lgHKU:
      return RootKey::Users;
    default:
      return RootKey::LocalMachine;
  }
}

// A registry value read as text, or nothing when the value does not exist.
std::optional<std::string> ReadText(const RegistryKey& key, const std::string& name) {
  auto value = key.Read(name);
  if (!value) return std::nullopt;
  if (value->type != ValueType::String && value->type != ValueType::ExpandString) {
    throw InvalidDataType(name);
  }
  value->data.resize(std::min(value->data.size(), value->data.find('\0')));
  return std::move(value->data);
}

// A file name has a folder part when it holds a "\" or a ":".
bool HasFolderPart(std::string_view file) {
  return file.find_first_of("\\:") != std::string_view::npos;
}

std::int32_t ParseCount(std::string_view text) {
  if (const auto count = ParseWholeNumber(text)) return *count;
  throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

// Texts 0 to the count given by text 0; a count below zero leaves the list empty.
void FillFromLines(TextList& list, const std::vector<NumberedValue>& lines) {
  const bool hasCount = !lines.empty() && lines.front().number == 0;
  const auto count = ParseCount(hasCount ? lines.front().value : std::string_view());
  if (count < 0) return;
  std::vector<TextList::Entry> present;
  for (const auto& line : lines) {
    if (line.number > count) break;
    present.push_back({line.number, ShortText(line.value)});
  }
  list.Assign(std::int64_t{count} + 1, "", std::move(present));
}

void FillFromProfile(TextList& list, ProfileFile& profile, const std::string& section, char letter,
                     const std::vector<std::int32_t>& numbers) {
  const std::string prefix(1, letter);
  const auto count = ParseCount(profile.ReadString(section, prefix + "0", "0"));
  if (count < 0) return;
  const std::string filler = " ";
  std::vector<TextList::Entry> present;
  for (const auto k : numbers) {
    if (k > count) break;
    present.push_back({k, profile.ReadString(section, prefix + std::to_string(k), filler)});
  }
  list.Assign(std::int64_t{count} + 1, filler, std::move(present));
}

std::string Fetch(const TextList& list, int n) {
  if (n < 0 || n >= list.Count()) return std::string(kMissingTextMarker);
  return ShortText(list.At(n));
}

// Deletes a file when it goes out of scope.
class RemoveOnExit {
 public:
  RemoveOnExit(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
  ~RemoveOnExit() { files_.Remove(path_); }
  RemoveOnExit(const RemoveOnExit&) = delete;
  RemoveOnExit& operator=(const RemoveOnExit&) = delete;

 private:
  FileSystem& files_;
  std::string path_;
};

}  // namespace

TLang::TLang(LangServices services) : services_(std::move(services)) {}

void TLang::SetIniKey(std::string_view key) {
  iniKey_ = ShortText(key);
}
void TLang::SetCode(std::string_view code) {
  code_ = ShortText(code);
}
void TLang::SetProgramDir(std::string_view folder) {
  programDir_ = ShortText(folder);
}
void TLang::SetDefaultLangName(std::string_view name) {
  defaultLangName_ = ShortText(name);
}
void TLang::SetSection1(std::string_view section) {
  section1_ = ShortText(section);
}
void TLang::SetSection2(std::string_view section) {
  section2_ = ShortText(section);
}
void TLang::SetLangExt(std::string_view extension) {
  langExt_ = ShortText(extension);
}
void TLang::SetProgramName(std::string_view name) {
  programName_ = ShortText(name);
}

int TLang::LoadLanguage() {
  languageIndex_ = SelectLanguageFile();
  if (languageIndex_ == kNoUsablePack) return kNoUsablePack;
  if (!services_.files.FileExists(defaultLangFile_)) return kNoUsablePack;
  std::string textFile = defaultLangFile_;
  std::optional<RemoveOnExit> decoded;
  if (langCoded_) {
    textFile += '~';
    decoded.emplace(services_.files, textFile);
    DecodePackFile(code_, defaultLangFile_, textFile, services_.files);
  }
  interfaceTexts_.Clear();
  messageTexts_.Clear();
  if (asIniFile_) {
    ReadPackAsIni(textFile);
  } else {
    ReadPackAsList(textFile);
  }
  return 0;
}

std::string TLang::GetInterfaceText(int n) const {
  return Fetch(interfaceTexts_, n);
}

std::string TLang::GetMessageText(int n) const {
  return Fetch(messageTexts_, n);
}

void TLang::ScanLanguageFiles() {
  abortScan_ = false;
  languageNames_.clear();
  languageFiles_.clear();
  const auto listing = services_.lister.Find(programDir_ + "*" + langExt_);
  while (const auto entry = listing->Next()) {
    if (!entry->IsFolder()) {
      const auto path = programDir_ + entry->name;
      if (auto language = CheckPackFile(path)) {
        languageNames_.push_back(std::move(*language));
        languageFiles_.push_back(path);
      }
    }
    if (services_.processMessages) services_.processMessages();
    if (abortScan_) break;
  }
}

std::optional<std::string> TLang::CheckPackFile(const std::string& path) {
  const auto text = services_.files.ReadWholeFile(path);
  const auto program = ShortText(FindPackValue(text, "Program").value_or(""));
  if (program.empty() || program != programName_) return std::nullopt;
  auto language = ShortText(FindPackValue(text, "Language").value_or(""));
  if (language.empty()) return std::nullopt;
  return language;
}

int TLang::SelectLanguageFile() {
  ScanLanguageFiles();
  std::vector<Candidate> attempts;
  if (auto choice = ReadLanguageChoice()) attempts.push_back(std::move(*choice));
  attempts.push_back({defaultLangFile_, defaultLangName_});
  for (const auto& candidate : attempts) {
    const auto path = HasFolderPart(candidate.file) ? candidate.file : programDir_ + candidate.file;
    if (!services_.files.FileExists(path)) continue;
    if (const auto language = CheckPackFile(path)) return Choose(path, *language);
  }
  return kNoUsablePack;
}

std::optional<TLang::Candidate> TLang::ReadLanguageChoice() const {
  const auto key = services_.registry.Open(RegistryRoot(rootKey_), iniKey_);
  if (!key) return std::nullopt;
  const auto language = ReadText(*key, "");
  if (!language) return std::nullopt;
  auto name = ShortText(*language);
  auto file = ReadText(*key, name);
  if (!file) return std::nullopt;
  return Candidate{std::move(*file), std::move(name)};
}

int TLang::Choose(const std::string& path, const std::string& language) {
  const auto found =
      std::find_if(languageNames_.begin(), languageNames_.end(),
                   [&](const std::string& name) { return EqualsIgnoringCase(name, language); });
  int result = 0;
  if (found != languageNames_.end()) {
    result = static_cast<int>(found - languageNames_.begin());
    languageFiles_[static_cast<std::size_t>(result)] = path;
  } else {
    languageNames_.insert(languageNames_.begin(), language);
    languageFiles_.insert(languageFiles_.begin(), path);
  }
  defaultLangFile_ = path;
  defaultLangName_ = language;
  return result;
}

void TLang::ReadPackAsList(const std::string& path) {
  const auto text = services_.files.ReadWholeFile(path);
  const auto lines = FindNumberedLines(text);
  FillFromLines(messageTexts_, lines.messages);
  FillFromLines(interfaceTexts_, lines.interfaceTexts);
}

void TLang::ReadPackAsIni(const std::string& path) {
  const auto profile = services_.profiles.Open(path);
  KeyNumbers numbers;
  try {
    numbers = FindIniKeyNumbers(services_.files.ReadWholeFile(path));
  } catch (const FileStreamError&) {
    // The profile functions read such a file as empty.
  }
  FillFromProfile(interfaceTexts_, *profile, section1_, 'I', numbers.interfaceTexts);
  FillFromProfile(messageTexts_, *profile, section2_, 'M', numbers.messages);
}

}  // namespace brimdock
