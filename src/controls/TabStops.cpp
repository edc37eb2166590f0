#include "controls/TabStops.h"

#include "settings/NumberText.h"

namespace brimdock {
namespace {

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
  return text;
}

int ToInteger(std::string_view text) {
  if (const auto value = ParseWholeNumber(text)) return *value;
  throw std::invalid_argument("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

TabPercentages ParseTabPercentages(std::string_view text) {
  TabPercentages values{};
  int previous = -1;
  std::string_view rest = text;
  for (size_t count = 0; count < values.size();) {
    rest = Trim(rest);
    std::string_view value;
    bool last = false;
    const size_t comma = rest.find(',');
    const size_t blank = rest.find(' ');
    if (comma != std::string_view::npos || blank != std::string_view::npos) {
      const size_t at = comma != std::string_view::npos ? comma : blank;
      value = Trim(rest.substr(0, at)).substr(0, 15);
      rest.remove_prefix(at + 1);
    } else {
      value = rest;
      last = true;
    }
    const int number = ToInteger(value);
    if (number < 0 || number > 200) {
      throw EOrderException("Tab percentage values must be between 0 and 200");
    }
    if (number <= previous) {
      throw EOrderException("Tab percentage values must be in increasing order");
    }
    values[count++] = number;
    previous = number;
    if (last) break;
  }
  return values;
}

std::string FormatTabPercentages(const TabPercentages& percentages) {
  std::string text = std::to_string(percentages[0]);
  for (size_t i = 1; i < percentages.size() && percentages[i] != 0; ++i) {
    text += ", " + std::to_string(percentages[i]);
  }
  return text;
}

std::vector<int> TabStopsInDialogUnits(const TabPercentages& percentages, int widthPixels,
                                       int baseUnit) {
  std::vector<int> stops;
  if (baseUnit <= 0) return stops;
  for (const int percentage : percentages) {
    if (percentage <= 0) break;
    stops.push_back(widthPixels * percentage / baseUnit / 25);
  }
  return stops;
}

}  // namespace brimdock
