#include "lang/TextList.h"

#include <algorithm>

namespace brimdock {

void TextList::Clear() {
  count_ = 0;
  filler_.clear();
  present_.clear();
}

void TextList::Assign(std::int64_t count, std::string filler, std::vector<Entry> present) {
  count_ = count;
  filler_ = std::move(filler);
  present_ = std::move(present);
}

std::string_view TextList::At(std::int64_t n) const {
  const auto found = std::lower_bound(present_.begin(), present_.end(), n,
                                      [](const Entry& e, std::int64_t k) { return e.number < k; });
  if (found != present_.end() && found->number == n) return found->text;
  return filler_;
}

}  // namespace brimdock
