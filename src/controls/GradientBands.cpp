#include "controls/GradientBands.h"

#include <cstdint>
#include <cstdlib>

namespace brimdock {

int MulDivRounded(int a, int b, int c) {
  if (c == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t n = std::llabs(product);
  const std::int64_t d = std::llabs(static_cast<std::int64_t>(c));
  const std::int64_t rounded = (2 * n + d) / (2 * d);
  return static_cast<int>(negative ? -rounded : rounded);
}

std::vector<GradientBand> GradientBands(Rgb begin, Rgb end, TFillDirection direction, int bands,
                                        int width, int height) {
  const bool reversed =
      direction == TFillDirection::fdBottomToTop || direction == TFillDirection::fdRightToLeft;
  const bool rows =
      direction == TFillDirection::fdTopToBottom || direction == TFillDirection::fdBottomToTop;
  const Rgb start = reversed ? end : begin;
  const Rgb stop = reversed ? begin : end;
  const int extent = rows ? height : width;
  const auto channel = [bands](std::uint8_t s, std::uint8_t e, int i) {
    if (bands == 1) return s;
    return static_cast<std::uint8_t>(s + MulDivRounded(i, e - s, bands - 1));
  };
  std::vector<GradientBand> result;
  result.reserve(static_cast<size_t>(bands > 0 ? bands : 0));
  for (int i = 0; i < bands; ++i) {
    result.push_back(
        GradientBand{MulDivRounded(i, extent, bands), MulDivRounded(i + 1, extent, bands),
                     Rgb{channel(start.red, stop.red, i), channel(start.green, stop.green, i),
                         channel(start.blue, stop.blue, i)}});
  }
  return result;
}

}  // namespace brimdock
