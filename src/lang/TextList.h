#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brimdock {

// A list of numbered texts 0 to Count() - 1 that holds only the texts a pack gives; every other
// number up to the end of the list answers the filler. A pack's count can be as large as
// 2147483647 without the list growing beyond the texts present.
class TextList {
 public:
  struct Entry {
    std::int32_t number;
    std::string text;
  };

  void Clear();
  // The list of count entries; present is sorted by number, without repeats, each below count.
  void Assign(std::int64_t count, std::string filler, std::vector<Entry> present);

  [[nodiscard]] std::int64_t Count() const { return count_; }
  // Text number n, 0 <= n < Count().
  [[nodiscard]] std::string_view At(std::int64_t n) const;

 private:
  std::int64_t count_ = 0;
  std::string filler_;
  std::vector<Entry> present_;
};

}  // namespace brimdock
