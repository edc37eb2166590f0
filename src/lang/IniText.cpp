#include "lang/IniText.h"

#include "lang/FileSystem.h"
#include "lang/PackText.h"
#include "lang/ShortText.h"

namespace brimdock {
namespace {

bool IsBlank(char c) {
  switch (c) {
    case ' ':
    case '\t':
    case '\v':
    case '\f':
    case '\x1a':
      return true;
    default:
      return false;
  }
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view UpToNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = lang::LowerAscii(c);
  return lower;
}

std::string_view WithoutQuotes(std::string_view value) {
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value.remove_prefix(1);
    value.remove_suffix(1);
  }
  return value;
}

class TextProfileFile final : public ProfileFile {
 public:
  explicit TextProfileFile(std::string_view text) : ini_(text) {}
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    return ini_.ReadString(section, key, defaultValue);
  }

 private:
  IniText ini_;
};

}  // namespace

IniText::IniText(std::string_view text) {
  sections_.emplace_back();
  sectionIndex_.emplace("", 0);
  Keys* current = &sections_.back();
  LineSplitter lines(text);
  while (const auto next = lines.Next()) {
    auto line = *next;
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const auto close = line.rfind(']');
      if (close == std::string_view::npos) continue;
      sections_.emplace_back();
      current = &sections_.back();
      const auto name = Lower(UpToNul(Trim(line.substr(1, close - 1))));
      sectionIndex_.emplace(name, sections_.size() - 1);
      continue;
    }
    const auto equals = line.find('=');
    const auto name = Lower(UpToNul(Trim(line.substr(0, equals))));
    std::optional<std::string> value;
    if (equals != std::string_view::npos) {
      value = std::string(WithoutQuotes(UpToNul(Trim(line.substr(equals + 1)))));
    }
    current->emplace(name, std::move(value));
  }
}

std::optional<std::string> IniText::Find(std::string_view section, std::string_view key) const {
  const auto s = sectionIndex_.find(Lower(Trim(section)));
  if (s == sectionIndex_.end()) return std::nullopt;
  const auto& keys = sections_[s->second];
  const auto k = keys.find(Lower(Trim(key)));
  if (k == keys.end()) return std::nullopt;
  return k->second;
}

std::string IniText::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  if (auto value = Find(section, key)) {
    value->resize(std::min(value->size(), kProfileValueLength));
    return std::move(*value);
  }
  while (defaultValue.size() > 1 && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
  return std::string(defaultValue);
}

std::unique_ptr<ProfileFile> TextProfileReader::Open(const std::string& path) {
  std::string text;
  try {
    if (files_.FileExists(path)) text = files_.ReadWholeFile(path);
  } catch (const FileStreamError&) {
    // An unreadable file reads as an empty one, as with the profile functions.
  }
  return std::make_unique<TextProfileFile>(text);
}

}  // namespace brimdock
