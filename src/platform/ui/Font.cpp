#include "platform/ui/Font.h"

namespace brimdock {

void Font::Assign(const FontSpec& description) {
  if (description == description_) return;
  description_ = description;
  handle_.Reset();
}

int Font::PixelHeight() const {
  return MulDiv(description_.size, 96, 72);
}

HFONT Font::Handle() {
  if (!handle_) {
    LOGFONTA lf{};
    lf.lfHeight = -PixelHeight();
    lf.lfWeight = description_.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = description_.italic ? TRUE : FALSE;
    lf.lfUnderline = description_.underline ? TRUE : FALSE;
    lf.lfStrikeOut = description_.strikeOut ? TRUE : FALSE;
    lf.lfCharSet = description_.charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(lf.lfFaceName, description_.name.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectA(&lf));
  }
  return handle_.Get();
}

}  // namespace brimdock
