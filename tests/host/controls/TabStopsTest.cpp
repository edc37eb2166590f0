#include <gmock/gmock.h>

#include "controls/TabStops.h"

namespace brimdock {
namespace {

using ::testing::ElementsAre;

TEST(TabStopsTest, SeparatorsAndReadBack) {
  const struct {
    const char* text;
    const char* readBack;
  } cases[] = {
      {"50", "50"},
      {"10, 20, 30", "10, 20, 30"},
      {"10,20,30", "10, 20, 30"},
      {"10 20 30", "10, 20, 30"},
      {"  \t 10 ,  20\r\n", "10, 20"},
      {"0", "0"},
      {"0, 50", "0, 50"},
      {"1 2 3 4 5 6 7 8 9 10 11", "1, 2, 3, 4, 5, 6, 7, 8, 9, 10"},
      {"1 2 3 4 5 6 7 8 9 10 junk", "1, 2, 3, 4, 5, 6, 7, 8, 9, 10"},
      {"200", "200"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTabPercentages(ParseTabPercentages(c.text)), c.readBack) << c.text;
  }
}

TEST(TabStopsTest, BadTextsRaiseTheirMessages) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"", "'' is not a valid integer value"},
      {"10 20,30", "'10 20' is not a valid integer value"},
      {"abc", "'abc' is not a valid integer value"},
      {"201", "Tab percentage values must be between 0 and 200"},
      {"-1", "Tab percentage values must be between 0 and 200"},
      {"50, 50", "Tab percentage values must be in increasing order"},
      {"60, 40", "Tab percentage values must be in increasing order"},
  };
  for (const auto& c : cases) {
    try {
      ParseTabPercentages(c.text);
      ADD_FAILURE() << c.text << " was accepted";
    } catch (const std::exception& error) {
      EXPECT_STREQ(error.what(), c.message) << c.text;
    }
  }
  EXPECT_THROW(ParseTabPercentages("201"), EOrderException);
}

TEST(TabStopsTest, StopsAreThePercentageOfTheWidthInDialogUnits) {
  EXPECT_THAT(TabStopsInDialogUnits(ParseTabPercentages("50"), 276, 8), ElementsAre(69));
  EXPECT_THAT(TabStopsInDialogUnits(ParseTabPercentages("50"), 276, 9), ElementsAre(61));
  EXPECT_THAT(TabStopsInDialogUnits(ParseTabPercentages("25, 150"), 200, 8), ElementsAre(25, 150));
  EXPECT_THAT(TabStopsInDialogUnits(ParseTabPercentages("0, 50"), 276, 8), ElementsAre());
}

}  // namespace
}  // namespace brimdock
