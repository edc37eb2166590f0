#include "platform/ui/Font.h"

namespace brimdock {

void Font::Assign(const FontSpec& spec) {
  if (spec == spec_) return;
  spec_ = spec;
  handle_.Reset();
}

int Font::PixelHeight() const {
  return MulDiv(spec_.size, 96, 72);
}

HFONT Font::Handle() {
  if (!handle_) {
    LOGFONTA lf{};
    lf.lfHeight = -PixelHeight();
    lf.lfWeight = spec_.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = spec_.italic ? TRUE : FALSE;
    lf.lfUnderline = spec_.underline ? TRUE : FALSE;
    lf.lfStrikeOut = spec_.strikeOut ? TRUE : FALSE;
    lf.lfCharSet = spec_.charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(lf.lfFaceName, spec_.name.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectA(&lf));
  }
  return handle_.Get();
}

}  // namespace brimdock
