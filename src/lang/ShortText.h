#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brimdock::lang {

// Short texts hold at most 255 single-byte characters.
inline constexpr std::size_t kShortLength = 255;

// The text cut to its first 255 characters.
[[nodiscard]] inline std::string ShortText(std::string_view text) {
  return std::string(text.substr(0, kShortLength));
}

[[nodiscard]] inline char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Equal when they differ at most in the case of ASCII letters.
[[nodiscard]] inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace brimdock::lang
