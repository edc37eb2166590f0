#include "lang/DirectoryLister.h"
#include "lang/ShortText.h"

namespace brimdock {

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
  // Greedy matching with one backtrack point: the last "*" seen.
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starAt = std::string_view::npos;
  std::size_t resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || lang::LowerAscii(pattern[p]) == lang::LowerAscii(name[n]))) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace brimdock
