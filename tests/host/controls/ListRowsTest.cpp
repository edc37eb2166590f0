#include <gmock/gmock.h>

#include "controls/ListRows.h"
#include "controls/TwoColumnRow.h"

namespace brimdock {
namespace {

using ::testing::ElementsAre;

TEST(ListRowsTest, MoveRowExchangesWithTheNeighbourAndNothingAtTheEnds) {
  const struct {
    int index;
    bool up;
    std::vector<std::string> after;
  } cases[] = {
      {1, true, {"b", "a", "c"}},  {1, false, {"a", "c", "b"}}, {0, true, {"a", "b", "c"}},
      {2, false, {"a", "b", "c"}}, {-1, true, {"a", "b", "c"}}, {-1, false, {"a", "b", "c"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> list{"a", "b", "c"};
    MoveRow(list, c.index, c.up);
    EXPECT_EQ(list, c.after) << c.index << (c.up ? " up" : " down");
  }
}

TEST(ListRowsTest, RowAtUsesStrictSlotBoundaries) {
  // Rows 13 pixels high, the list scrolled to row 4, six rows in all.
  const struct {
    int y;
    std::optional<int> row;
  } cases[] = {{0, std::nullopt},
               {1, 4},
               {12, 4},
               {13, std::nullopt},
               {14, 5},
               {25, 5},
               {26, std::nullopt},
               {27, std::nullopt},
               {-3, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(RowAt(c.y, 13, 4, 6), c.row) << c.y;
  EXPECT_EQ(RowAt(5, 13, 0, 0), std::nullopt);
}

TEST(ListRowsTest, TwoColumnRowIsNameSpaceTabSpacePath) {
  EXPECT_EQ(TwoColumnRow("Tools", "C:\\Tools"), "Tools \t C:\\Tools");
  EXPECT_EQ(TwoColumnRow("a\tb", ""), "a\tb \t ");
}

}  // namespace
}  // namespace brimdock
