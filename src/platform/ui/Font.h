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

// The pixels per inch the window is laid out at, whatever the screen's.
inline constexpr int kLayoutPixelsPerInch = 96;

// A font as GDI describes it for a device of pixelsPerInch pixels per inch. The height is
// -MulDiv(size, pixelsPerInch, 72) (a negative height is the character height, a positive one
// the cell height), the weight FW_BOLD or FW_NORMAL, the name cut to LF_FACESIZE - 1 characters.
// A LOGFONT holds no colour.
[[nodiscard]] LOGFONTA ToLogFont(const FontSpec& font, int pixelsPerInch);
// The font a LOGFONT describes, in a colour. The size is -MulDiv(lfHeight, 72, pixelsPerInch), so
// that every size ToLogFont made reads back unchanged at 72 pixels per inch or more; bold is a
// weight nearer FW_BOLD than FW_NORMAL (above 550: FW_SEMIBOLD and heavier).
[[nodiscard]] FontSpec FromLogFont(const LOGFONTA& logFont, Color color, int pixelsPerInch);

// A font description with its GDI font, made when first asked for and remade after a change.
class Font {
 public:
  Font() = default;
  explicit Font(FontSpec description) : description_(std::move(description)) {}

  [[nodiscard]] const FontSpec& Description() const { return description_; }
  void Assign(const FontSpec& description);
  // The GDI font, made at the layout's pixels per inch.
  [[nodiscard]] HFONT Handle();

 private:
  FontSpec description_;
  FontHandle handle_;
};

}  // namespace brimdock
