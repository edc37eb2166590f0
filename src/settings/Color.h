#pragma once

#include <cstdint>

namespace brimdock {

// A colour value: 0x00BBGGRR for a plain colour; with the top bit set, 0x80000000 plus the index
// of a Windows system colour, whose current value is used when drawn.
inline constexpr std::int32_t SystemColor(std::uint32_t index) {
  return static_cast<std::int32_t>(0x80000000U | index);
}

inline constexpr std::int32_t clWindowText = SystemColor(8);
inline constexpr std::int32_t clBtnFace = SystemColor(15);

}  // namespace brimdock
