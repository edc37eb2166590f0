#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brimdock {

// Converts a whole number: leading spaces are skipped, then either an optional "+" or "-" and
// decimal digits of magnitude at most 2147483647, or "$" and one to eight hexadecimal digits that
// give the 32-bit pattern directly ("$FFFFFFFF" is -1). The digits must run to the end of the text.
[[nodiscard]] std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// A number as stored in the registry: a leading "0x" or "0X" counts as "$" when more follows;
// a text that does not convert gives the default.
[[nodiscard]] std::int32_t ReadNumberText(std::string_view text, std::int32_t defaultValue);

// The stored form of a number: decimal, no leading zeros, "-" for negatives, no "+".
[[nodiscard]] std::string DecimalText(std::int32_t value);

}  // namespace brimdock
