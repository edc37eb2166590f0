#pragma once

#include <string>
#include <string_view>

namespace brimdock {

// The text with A-Z turned into a-z; registry names compare this way.
inline std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace brimdock
