#pragma once

#include <cstdint>
#include <vector>

namespace brimdock {

// Where a gradient starts and which way it runs.
enum class TFillDirection { fdTopToBottom, fdBottomToTop, fdLeftToRight, fdRightToLeft };

// A colour as its red, green and blue bytes.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// One solid band of a gradient: the rows (or columns) from `from` up to, not including, `to`.
struct GradientBand {
  int from = 0;
  int to = 0;
  Rgb color;
  friend bool operator==(const GradientBand&, const GradientBand&) = default;
};

// a * b / c without overflow, rounded to the nearest whole number, halves away from zero; 0
// for c = 0.
int MulDivRounded(int a, int b, int c);

// The bands of a gradient over a rectangle of the given size: band 0 at the top (or left),
// running from begin to end, the colours swapped for the two reversed directions. Bands count
// from 1 to 255; a band too thin for a row or column of its own is empty.
std::vector<GradientBand> GradientBands(Rgb begin, Rgb end, TFillDirection direction, int bands,
                                        int width, int height);

}  // namespace brimdock
