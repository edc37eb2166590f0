#include "settings/NumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace brimdock {
namespace {

constexpr std::int32_t kDefault = 77;

TEST(ReadNumberText, ReadsDecimalAndHexadecimalForms) {
  const struct {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"0x1F", 31},
      {"0X1f", 31},
      {"$1F", 31},
      {"$1f", 31},
      {"-2147483633", -2147483633},  // the button-face system colour
      {"0x8000000F", -2147483633},
      {"$FFFFFFFF", -1},
      {"$7FFFFFFF", 2147483647},
      {"2147483647", 2147483647},
      {"-2147483647", -2147483647},
      {"+12", 12},
      {"007", 7},
      {"-0", 0},
      {"  42", 42},
      {"  $2A", 42},
      {"0xFF", 255},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadNumberText(c.text, kDefault), c.expected) << '"' << c.text << '"';
  }
}

TEST(ReadNumberText, GivesTheDefaultForAnythingElse) {
  const char* const cases[] = {
      "",
      "   ",
      "2147483648",
      "-2147483648",  // magnitude above 2147483647
      "99999999999",
      "0x",
      "0X",
      "$",
      "abc",
      "12 ",
      "1 2",
      "12abc",
      "$123456789",
      "0x123456789",  // nine hexadecimal digits
      "$-1",
      "-$1",
      "+",
      "-",
      "0x-1",
      " 0x1F",
      "1F",
      "$1G",
  };
  for (const char* text : cases) {
    EXPECT_EQ(ReadNumberText(text, kDefault), kDefault) << '"' << text << '"';
  }
}

TEST(ParseWholeNumber, LeavesTheStoredHexPrefixToTheStoreReader) {
  EXPECT_EQ(ParseWholeNumber("$1F"), 31);
  EXPECT_EQ(ParseWholeNumber("0x1F"), std::nullopt);
  EXPECT_EQ(ParseWholeNumber("-2147483648"), std::nullopt);
}

TEST(DecimalText, WritesPlainDecimalThatReadsBack) {
  const struct {
    std::int32_t value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {7, "7"},
      {-1, "-1"},
      {-2147483633, "-2147483633"},
      {2147483647, "2147483647"},
      {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecimalText(c.value), c.text);
    if (c.value != std::numeric_limits<std::int32_t>::min()) {
      EXPECT_EQ(ReadNumberText(DecimalText(c.value), kDefault), c.value);
    }
  }
}

}  // namespace
}  // namespace brimdock
