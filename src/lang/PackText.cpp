#include "lang/PackText.h"

#include <algorithm>

#include "lang/ShortText.h"

namespace brimdock {
namespace {

// Sorts by number and keeps the first value of each number.
void KeepFirstOfEachNumber(std::vector<NumberedValue>& values) {
  std::stable_sort(values.begin(), values.end(),
                   [](const auto& a, const auto& b) { return a.number < b.number; });
  const auto end = std::unique(values.begin(), values.end(),
                               [](const auto& a, const auto& b) { return a.number == b.number; });
  values.erase(end, values.end());
}

void SortUnique(std::vector<std::int32_t>& numbers) {
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
}

// Wider than any blank the profile functions trim, so no key they could find is missed.
bool IsLooseBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= ' ' || byte == 0xA0;
}

}  // namespace

std::optional<std::string_view> LineSplitter::Next() {
  if (rest_.empty()) return std::nullopt;
  const auto end = std::min(rest_.find_first_of("\r\n"), rest_.size());
  const auto line = rest_.substr(0, end);
  rest_.remove_prefix(end);
  if (!rest_.empty() && rest_.front() == '\r') rest_.remove_prefix(1);
  if (!rest_.empty() && rest_.front() == '\n') rest_.remove_prefix(1);
  return line;
}

std::optional<std::string_view> FindPackValue(std::string_view text, std::string_view name) {
  LineSplitter lines(text);
  while (const auto line = lines.Next()) {
    const auto equals = line->find('=');
    if (equals == name.size() && lang::EqualsIgnoringCase(line->substr(0, equals), name)) {
      return line->substr(equals + 1);
    }
  }
  return std::nullopt;
}

std::optional<std::int32_t> TextNumber(std::string_view name, char letter) {
  constexpr std::size_t kMaxDigits = 10;
  if (name.size() < 2 || name.size() > 1 + kMaxDigits) return std::nullopt;
  if (lang::LowerAscii(name[0]) != lang::LowerAscii(letter)) return std::nullopt;
  const auto digits = name.substr(1);
  if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
  std::int64_t number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(number);
}

NumberedLines FindNumberedLines(std::string_view text) {
  NumberedLines found;
  LineSplitter lines(text);
  while (const auto line = lines.Next()) {
    const auto equals = line->find('=');
    if (equals == std::string_view::npos) continue;
    const auto name = line->substr(0, equals);
    const auto value = line->substr(equals + 1);
    if (const auto k = TextNumber(name, 'I')) {
      found.interfaceTexts.push_back({*k, value});
    } else if (const auto m = TextNumber(name, 'M')) {
      found.messages.push_back({*m, value});
    }
  }
  KeepFirstOfEachNumber(found.interfaceTexts);
  KeepFirstOfEachNumber(found.messages);
  return found;
}

KeyNumbers FindIniKeyNumbers(std::string_view text) {
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) text.remove_prefix(kUtf8Mark.size());
  KeyNumbers found;
  LineSplitter lines(text);
  while (const auto line = lines.Next()) {
    const auto equals = line->find('=');
    if (equals == std::string_view::npos) continue;
    auto name = line->substr(0, equals);
    while (!name.empty() && IsLooseBlank(name.front())) name.remove_prefix(1);
    name = name.substr(0, name.find('\0'));
    while (!name.empty() && IsLooseBlank(name.back())) name.remove_suffix(1);
    if (const auto k = TextNumber(name, 'I')) found.interfaceTexts.push_back(*k);
    if (const auto m = TextNumber(name, 'M')) found.messages.push_back(*m);
  }
  SortUnique(found.interfaceTexts);
  SortUnique(found.messages);
  return found;
}

}  // namespace brimdock
