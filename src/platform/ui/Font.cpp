#include "platform/ui/Font.h"

#include <cstring>

namespace brimdock {

LOGFONTA ToLogFont(const FontSpec& font, int pixelsPerInch) {
  LOGFONTA logFont{};
  logFont.lfHeight = -MulDiv(font.size, pixelsPerInch, 72);
  logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = font.italic ? TRUE : FALSE;
  logFont.lfUnderline = font.underline ? TRUE : FALSE;
  logFont.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
  logFont.lfCharSet = font.charset;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = DEFAULT_QUALITY;
  logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::size_t length = font.name.copy(logFont.lfFaceName, LF_FACESIZE - 1);
  logFont.lfFaceName[length] = '\0';
  return logFont;
}

FontSpec FromLogFont(const LOGFONTA& logFont, Color color, int pixelsPerInch) {
  FontSpec font;
  font.charset = logFont.lfCharSet;
  // A face name that fills the field without its terminating NUL ends at the field's end.
  font.name.assign(logFont.lfFaceName, strnlen(logFont.lfFaceName, LF_FACESIZE));
  font.size = -MulDiv(logFont.lfHeight, 72, pixelsPerInch);
  font.bold = logFont.lfWeight > (FW_NORMAL + FW_BOLD) / 2;
  font.strikeOut = logFont.lfStrikeOut != 0;
  font.underline = logFont.lfUnderline != 0;
  font.italic = logFont.lfItalic != 0;
  font.color = color;
  return font;
}

void Font::Assign(const FontSpec& description) {
  if (description == description_) return;
  description_ = description;
  handle_.Reset();
}

HFONT Font::Handle() {
  if (!handle_) {
    const LOGFONTA logFont = ToLogFont(description_, kLayoutPixelsPerInch);
    handle_.Reset(CreateFontIndirectA(&logFont));
  }
  return handle_.Get();
}

}  // namespace brimdock
