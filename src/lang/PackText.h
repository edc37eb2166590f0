#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace brimdock {

// The lines of a text; a line ends at CR, at LF or at CR LF.
class LineSplitter {
 public:
  explicit LineSplitter(std::string_view text) : rest_(text) {}
  // The next line, or nothing at the end of the text.
  [[nodiscard]] std::optional<std::string_view> Next();

 private:
  std::string_view rest_;
};

// The value of the first line that contains "=" and whose part before its first "=" equals
// name, ASCII case ignored and no blanks trimmed: the rest of the line after that "=".
[[nodiscard]] std::optional<std::string_view> FindPackValue(std::string_view text,
                                                            std::string_view name);

// k when name is letter (either case) followed by k in decimal without leading zeros.
[[nodiscard]] std::optional<std::int32_t> TextNumber(std::string_view name, char letter);

struct NumberedValue {
  std::int32_t number;
  std::string_view value;
};

// The numbered lines of a plain pack: for each number, the first line named "I" or "M" and that
// number, in order of number.
struct NumberedLines {
  std::vector<NumberedValue> interfaceTexts;
  std::vector<NumberedValue> messages;
};

[[nodiscard]] NumberedLines FindNumberedLines(std::string_view text);

// The numbers of the keys "I<k>" and "M<k>" that an INI pack may hold, in any section, each
// once and in order: every key the profile functions could find is among them (names trimmed
// of blanks and control characters and cut at a NUL, a UTF-8 byte order mark skipped).
struct KeyNumbers {
  std::vector<std::int32_t> interfaceTexts;
  std::vector<std::int32_t> messages;
};

[[nodiscard]] KeyNumbers FindIniKeyNumbers(std::string_view text);

}  // namespace brimdock
