#include "controls/GradientBands.h"

#include <gmock/gmock.h>

namespace brimdock {
namespace {

using ::testing::ElementsAre;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

Rgb Grey(std::uint8_t level) {
  return Rgb{level, level, level};
}

TEST(GradientBandsTest, MulDivRoundsHalvesAwayFromZero) {
  const struct {
    int a, b, c, result;
  } cases[] = {
      {1, 100, 3, 33},    {2, 100, 3, 67},  {1, 255, 2, 128},
      {1, -255, 2, -128}, {1, 100, 255, 0}, {2, 100, 255, 1},
      {1, 255, 254, 1},   {-3, 5, 2, -8},   {3, 5, -2, -8},
      {7, 0, 3, 0},       {1, 1, 0, 0},     {2000000000, 2000000000, 2000000000, 2000000000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
  }
}

TEST(GradientBandsTest, ThreeBandsRiseAndFallWithTheirOwnRounding) {
  EXPECT_THAT(GradientBands(kBlack, kWhite, TFillDirection::fdTopToBottom, 3, 50, 100),
              ElementsAre(GradientBand{0, 33, kBlack}, GradientBand{33, 67, Grey(128)},
                          GradientBand{67, 100, kWhite}));
  EXPECT_THAT(GradientBands(kWhite, kBlack, TFillDirection::fdTopToBottom, 3, 50, 100),
              ElementsAre(GradientBand{0, 33, kWhite}, GradientBand{33, 67, Grey(127)},
                          GradientBand{67, 100, kBlack}));
}

TEST(GradientBandsTest, ReversedDirectionsSwapTheColoursNotTheBands) {
  const auto up = GradientBands(kRed, kBlue, TFillDirection::fdBottomToTop, 2, 10, 20);
  EXPECT_THAT(up, ElementsAre(GradientBand{0, 10, kBlue}, GradientBand{10, 20, kRed}));
  const auto left = GradientBands(kRed, kBlue, TFillDirection::fdRightToLeft, 2, 30, 5);
  EXPECT_THAT(left, ElementsAre(GradientBand{0, 15, kBlue}, GradientBand{15, 30, kRed}));
  for (auto direction : {TFillDirection::fdTopToBottom, TFillDirection::fdBottomToTop}) {
    const auto one = GradientBands(kRed, kBlue, direction, 1, 10, 10);
    EXPECT_THAT(one, ElementsAre(GradientBand{
                         0, 10, direction == TFillDirection::fdTopToBottom ? kRed : kBlue}));
  }
}

TEST(GradientBandsTest, MoreBandsThanColumnsLeaveSomeEmpty) {
  const auto bands = GradientBands(kBlack, kWhite, TFillDirection::fdLeftToRight, 255, 100, 10);
  ASSERT_EQ(bands.size(), 255u);
  EXPECT_EQ(bands[0].from, bands[0].to) << "band 0 covers no column";
  EXPECT_EQ(bands[254].from, bands[254].to) << "band 254 covers no column";
  EXPECT_EQ(bands[1], (GradientBand{0, 1, Grey(1)}));
  EXPECT_EQ(bands[253], (GradientBand{99, 100, Grey(254)}));
  int covered = 0;
  for (const auto& band : bands) covered += band.to - band.from;
  EXPECT_EQ(covered, 100);
}

}  // namespace
}  // namespace brimdock
