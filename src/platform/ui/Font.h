#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "platform/GdiObjects.h"
#include "platform/ui/Color.h"

namespace brimdock {

// What a font is: the fields the settings store for it.
struct FontSpec {
  std::uint8_t charset = DEFAULT_CHARSET;
  std::string name = "MS Sans Serif";
  int size = 8;  // points
  bool bold = false;
  bool strikeOut = false;
  bool underline = false;
  bool italic = false;
  Color color = clWindowText;

  bool operator==(const FontSpec&) const = default;
};

// A font description with its GDI font, made when first asked for and remade after a change.
class Font {
 public:
  Font() = default;
  explicit Font(FontSpec description) : description_(std::move(description)) {}

  [[nodiscard]] const FontSpec& Description() const { return description_; }
  void Assign(const FontSpec& description);
  [[nodiscard]] HFONT Handle();
  // Pixel height of the font's cell for its point size at 96 pixels per inch.
  [[nodiscard]] int PixelHeight() const;

 private:
  FontSpec description_;
  FontHandle handle_;
};

}  // namespace brimdock
