#include "lang/PackText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brimdock {
namespace {

using ::testing::ElementsAreArray;

TEST(PackLines, EndAtCrAtLfOrAtCrLf) {
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\r\nb", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\r\n", {"a"}},
      {"\n", {""}},
      {"", {}},
      {std::string("a\0b", 3), {std::string("a\0b", 3)}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines;
    LineSplitter splitter(c.text);
    while (const auto line = splitter.Next()) lines.emplace_back(*line);
    EXPECT_THAT(lines, ElementsAreArray(c.lines)) << c.text;
  }
}

TEST(PackLines, ATextNumberIsTheLetterAndADecimalWithoutLeadingZeros) {
  const struct {
    const char* name;
    std::optional<std::int32_t> number;
  } cases[] = {
      {"I0", 0},
      {"i7", 7},
      {"I2147483647", 2147483647},
      {"I2147483648", {}},
      {"I99999999999", {}},
      {"I07", {}},
      {"I00", {}},
      {"I", {}},
      {"I-1", {}},
      {"I+1", {}},
      {"I 1", {}},
      {"I1 ", {}},
      {"M1", {}},
      {"II1", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(TextNumber(c.name, 'I'), c.number) << c.name;
}

TEST(PackLines, TheFirstLineOfANameGivesTheRestAfterItsFirstEquals) {
  const std::string text = "x\r\nI1\r\ni1=a=b\r\nI1=second\r\nI2 =blank\r\n";
  EXPECT_EQ(FindPackValue(text, "I1"), "a=b");
  EXPECT_EQ(FindPackValue(text, "I2"), std::nullopt);
  EXPECT_EQ(FindPackValue(text, "I2 "), "blank");
  EXPECT_EQ(FindPackValue(text, "x"), std::nullopt);

  const auto lines = FindNumberedLines(text);
  ASSERT_EQ(lines.interfaceTexts.size(), 1U);
  EXPECT_EQ(lines.interfaceTexts[0].value, "a=b");
}

TEST(PackLines, IniKeyNumbersTakeEveryKeyTheProfileFunctionsCouldFind) {
  using namespace std::string_literals;
  const auto numbers = FindIniKeyNumbers(
      "\xEF\xBB\xBFI4=bom\r\n[Interface]\r\n\t I1 \x1a=a\r\n i2\r\nM3=\r\n[Other]\r\nI1=again\r\n"
      "I5\0junk=cut at the NUL\r\nI06=leading zero\r\n"s);
  EXPECT_THAT(numbers.interfaceTexts, ElementsAreArray({1, 4, 5}));
  EXPECT_THAT(numbers.messages, ElementsAreArray({3}));
}

}  // namespace
}  // namespace brimdock
