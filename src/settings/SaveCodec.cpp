#include "settings/SaveCodec.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <variant>
#include <vector>

#include "settings/NumberText.h"
#include "settings/RegistryLayout.h"

namespace brimdock {
namespace {

constexpr std::string_view kFormatTag = "Brimdock save 1";
constexpr char kEnd = '|';
constexpr char kEscape = '%';
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool NeedsEscape(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte > 0x7E || c == kEscape || c == kEnd;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Writer {
 public:
  void Field(std::string_view text) {
    while (!text.empty()) {
      const auto plain = static_cast<std::size_t>(
          std::find_if(text.begin(), text.end(), NeedsEscape) - text.begin());
      out_.append(text.substr(0, plain));
      if (plain == text.size()) break;
      const auto byte = static_cast<unsigned char>(text[plain]);
      out_ += kEscape;
      out_ += kHexDigits[byte >> 4];
      out_ += kHexDigits[byte & 0xF];
      text.remove_prefix(plain + 1);
    }
    out_ += kEnd;
  }
  void Count(std::size_t count) { Field(std::to_string(count)); }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

class Reader {
 public:
  explicit Reader(std::string_view text) : rest_(text) {}

  std::optional<std::string> Field() {
    const auto end = rest_.find(kEnd);
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view raw = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    std::string text;
    text.reserve(raw.size());
    for (auto escape = raw.find(kEscape); escape != std::string_view::npos;
         escape = raw.find(kEscape)) {
      if (escape + 2 >= raw.size()) return std::nullopt;
      const int high = HexValue(raw[escape + 1]);
      const int low = HexValue(raw[escape + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      text.append(raw.substr(0, escape));
      text += static_cast<char>(high * 16 + low);
      raw.remove_prefix(escape + 3);
    }
    text.append(raw);
    return text;
  }

  // A count of entries that each take at least one field, so never more than the rest holds.
  std::optional<std::size_t> Count() {
    const auto text = Field();
    if (!text || text->empty() || text->size() > 9) return std::nullopt;
    std::size_t count = 0;
    for (const char c : *text) {
      if (c < '0' || c > '9') return std::nullopt;
      count = count * 10 + static_cast<std::size_t>(c - '0');
    }
    if (count > rest_.size() || DecimalText(static_cast<std::int32_t>(count)) != *text) {
      return std::nullopt;
    }
    return count;
  }

  [[nodiscard]] bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::string FieldText(const ScalarValue& value, const PanelSettings& settings) {
  return std::visit(
      Overloaded{
          [&](bool PanelSettings::*field) { return std::string(settings.*field ? "1" : "0"); },
          [&](std::int32_t PanelSettings::*field) { return DecimalText(settings.*field); },
          [&](std::uint8_t PanelSettings::*field) { return DecimalText(settings.*field); },
          [&](std::string PanelSettings::*field) { return settings.*field; },
      },
      value.field);
}

// An exact decimal number, as DecimalText writes it.
std::optional<std::int32_t> ExactDecimal(const std::string& text) {
  const auto number = ParseWholeNumber(text);
  if (!number || DecimalText(*number) != text) return std::nullopt;
  return number;
}

bool SetField(const ScalarValue& value, const std::string& text, PanelSettings& settings) {
  return std::visit(Overloaded{
                        [&](bool PanelSettings::*field) {
                          if (text != "0" && text != "1") return false;
                          settings.*field = text == "1";
                          return true;
                        },
                        [&](std::int32_t PanelSettings::*field) {
                          const auto number = ExactDecimal(text);
                          if (number) settings.*field = *number;
                          return number.has_value();
                        },
                        [&](std::uint8_t PanelSettings::*field) {
                          const auto number = ExactDecimal(text);
                          if (!number || *number < 0 || *number > 0xFF) return false;
                          settings.*field = static_cast<std::uint8_t>(*number);
                          return true;
                        },
                        [&](std::string PanelSettings::*field) {
                          settings.*field = text;
                          return true;
                        },
                    },
                    value.field);
}

bool DecodeScalars(Reader& reader, PanelSettings& settings) {
  const auto values = ScalarValues();
  const auto count = reader.Count();
  if (count != values.size()) return false;
  std::vector<bool> seen(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    const auto name = reader.Field();
    const auto text = reader.Field();
    if (!name || !text) return false;
    const ScalarValue* value = FindScalarValue(*name);
    if (value == nullptr) return false;
    const auto index = static_cast<std::size_t>(value - values.data());
    if (seen[index] || !SetField(*value, *text, settings)) return false;
    seen[index] = true;
  }
  return true;
}

bool DecodeFolders(Reader& reader, SavedState& state) {
  const auto count = reader.Count();
  if (!count) return false;
  for (std::size_t i = 0; i < *count; ++i) {
    auto path = reader.Field();
    auto name = reader.Field();
    if (!path || !name) return false;
    state.folders.push_back(FolderButton{std::move(*name), std::move(*path)});
  }
  return true;
}

bool DecodeGroups(Reader& reader, TGroupList& groups) {
  const auto count = reader.Count();
  if (!count) return false;
  for (std::size_t n = 0; n < *count; ++n) {
    auto name = reader.Field();
    auto hint = reader.Field();
    if (!name || !hint) return false;
    TGroup& group = groups.Add(std::move(*name), std::move(*hint));
    const auto links = reader.Count();
    if (!links) return false;
    for (std::size_t k = 0; k < *links; ++k) {
      auto path = reader.Field();
      auto linkName = reader.Field();
      if (!path || !linkName) return false;
      group.AddLink(std::move(*linkName), std::move(*path));
    }
  }
  return true;
}

}  // namespace

std::string EncodeSave(const SaveInput& input) {
  Writer writer;
  writer.Field(kFormatTag);
  writer.Field(input.programFolder);
  writer.Field(input.refreshFlag ? "1" : "0");
  const auto values = ScalarValues();
  writer.Count(values.size());
  for (const ScalarValue& value : values) {
    writer.Field(value.name);
    writer.Field(FieldText(value, input.settings));
  }
  writer.Count(input.folders.size());
  for (const FolderButton& button : input.folders) {
    writer.Field(button.Path);
    writer.Field(button.Name);
  }
  writer.Count(input.groups.List.size());
  for (const auto& group : input.groups.List) {
    writer.Field(group->Name);
    writer.Field(group->Hint);
    writer.Count(group->Links.size());
    for (const TLink& link : group->Links) {
      writer.Field(link.Path);
      writer.Field(link.Name);
    }
  }
  return writer.Take();
}

std::optional<SavedState> DecodeSave(std::string_view text) {
  Reader reader(text);
  SavedState state;
  const auto tag = reader.Field();
  auto folder = reader.Field();
  const auto refresh = reader.Field();
  if (tag != kFormatTag || !folder || (refresh != "0" && refresh != "1")) return std::nullopt;
  state.programFolder = std::move(*folder);
  state.refreshFlag = refresh == "1";
  if (!DecodeScalars(reader, state.settings) || !DecodeFolders(reader, state) ||
      !DecodeGroups(reader, state.groups) || !reader.AtEnd()) {
    return std::nullopt;
  }
  return state;
}

}  // namespace brimdock
