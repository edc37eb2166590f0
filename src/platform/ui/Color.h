#pragma once

#include <windows.h>

#include <cstdint>

#include "settings/Color.h"

namespace brimdock {

// A colour value as the settings hold it: 0x00BBGGRR, or a system colour index with the top
// bit set.
using Color = std::int32_t;

inline constexpr Color kSystemColorFlag = static_cast<Color>(0x80000000u);
inline constexpr Color clWindow = SystemColor(COLOR_WINDOW);
inline constexpr Color clGray = 0x808080;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clNavy = 0x800000;

// The red, green and blue of a colour value, system colours resolved now.
inline COLORREF ToColorRef(Color color) {
  if (color & kSystemColorFlag) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color) & 0xFFFFFFu;
}

}  // namespace brimdock
