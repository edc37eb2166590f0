#include "settings/NumberText.h"

#include <charconv>

namespace brimdock {
namespace {

constexpr std::uint64_t kMaxMagnitude = 2147483647U;
constexpr std::size_t kMaxHexDigits = 8;

std::optional<std::uint32_t> HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<std::uint32_t>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<std::uint32_t>(c - 'A' + 10);
  return std::nullopt;
}

std::optional<std::int32_t> ParseHex(std::string_view digits) {
  if (digits.empty() || digits.size() > kMaxHexDigits) return std::nullopt;
  std::uint32_t pattern = 0;
  for (const char c : digits) {
    const auto digit = HexDigitValue(c);
    if (!digit) return std::nullopt;
    pattern = (pattern << 4U) | *digit;
  }
  return static_cast<std::int32_t>(pattern);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10U + static_cast<std::uint64_t>(c - '0');
    if (magnitude > kMaxMagnitude) return std::nullopt;
  }
  const auto value = static_cast<std::int32_t>(magnitude);
  return negative ? -value : value;
}

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  text.remove_prefix(start);
  if (text.front() == '$') return ParseHex(text.substr(1));
  return ParseDecimal(text);
}

std::int32_t ReadNumberText(std::string_view text, std::int32_t defaultValue) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    std::string replaced = "$";
    replaced.append(text.substr(2));
    return ParseWholeNumber(replaced).value_or(defaultValue);
  }
  return ParseWholeNumber(text).value_or(defaultValue);
}

std::string DecimalText(std::int32_t value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace brimdock
