#include "settings/SaveJournal.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <sstream>
#include <utility>

namespace brimdock {
namespace {

constexpr std::string_view kCompleteMark = "Complete";

std::string PartName(std::size_t number) {
  return "Part" + std::to_string(number);
}

std::uint32_t Checksum(std::string_view text) {
  std::uint32_t hash = 2166136261U;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619U;
  }
  return hash;
}

std::string Mark(std::size_t parts, std::string_view text) {
  std::ostringstream mark;
  mark << parts << ' ' << text.size() << ' ' << std::hex << std::uppercase << Checksum(text);
  return mark.str();
}

struct ParsedMark {
  std::size_t parts = 0;
  std::size_t length = 0;
};

// The parts and length a mark claims, when it is well formed.
std::optional<ParsedMark> ParseMark(const std::string& mark) {
  std::istringstream in(mark);
  ParsedMark parsed;
  std::uint32_t checksum = 0;
  if (!(in >> parsed.parts >> parsed.length >> std::hex >> checksum)) return std::nullopt;
  if (parsed.parts == 0 || parsed.parts > parsed.length / kJournalPartSize + 1) return std::nullopt;
  return parsed;
}

std::optional<std::string> Text(const RegistryKey& key, std::string_view name) {
  auto value = key.Read(std::string(name));
  if (!value || value->type != ValueType::String) return std::nullopt;
  return std::move(value->data);
}

}  // namespace

void WriteJournal(RegistryKey& settingsKey, std::string_view text) {
  DeleteJournal(settingsKey);
  const auto journal = settingsKey.CreateSubKey(std::string(kJournalKey));
  std::size_t parts = 0;
  for (std::size_t at = 0; at < text.size() || parts == 0; at += kJournalPartSize) {
    journal->WriteString(PartName(++parts), std::string(text.substr(at, kJournalPartSize)));
  }
  journal->WriteString(std::string(kCompleteMark), Mark(parts, text));
}

Journal ReadJournal(const RegistryKey& settingsKey) {
  const auto journal = settingsKey.OpenSubKey(std::string(kJournalKey));
  if (!journal) return {};
  Journal unusable{JournalStatus::Unusable, {}};
  const auto mark = Text(*journal, kCompleteMark);
  const auto parsed = mark ? ParseMark(*mark) : std::nullopt;
  if (!parsed) return unusable;
  std::string text;
  for (std::size_t number = 1; number <= parsed->parts; ++number) {
    const auto part = Text(*journal, PartName(number));
    if (!part || text.size() + part->size() > parsed->length) return unusable;
    text += *part;
  }
  if (Mark(parsed->parts, text) != *mark) return unusable;
  return {JournalStatus::Complete, std::move(text)};
}

void DeleteJournal(RegistryKey& settingsKey) {
  settingsKey.DeleteSubKeyTree(std::string(kJournalKey));
}

}  // namespace brimdock
