#include "platform/dialogs/DialogTemplate.h"

#include <limits>
#include <stdexcept>

namespace brimdock {
namespace {

constexpr std::size_t kCountIndex = 4;  // DLGTEMPLATE::cdit, after style and extended style
constexpr WORD kFontPoints = 8;
constexpr char kFontFace[] = "MS Sans Serif";

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, const DialogRect& bounds, const std::string& title) {
  AppendDword(style | DS_SETFONT);
  AppendDword(0);       // extended style
  words_.push_back(0);  // item count
  for (short value : {bounds.x, bounds.y, bounds.cx, bounds.cy}) {
    words_.push_back(static_cast<WORD>(value));
  }
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the standard dialog class
  AppendText(title);
  words_.push_back(kFontPoints);
  AppendText(kFontFace);
}

void DialogTemplate::AddItem(ItemClass itemClass, DWORD style, const DialogRect& bounds, int id,
                             const std::string& text, DWORD exStyle) {
  if (words_[kCountIndex] == std::numeric_limits<WORD>::max()) {
    throw std::length_error("Too many dialog items");
  }
  AlignToDword();
  AppendDword(style | WS_CHILD | WS_VISIBLE);
  AppendDword(exStyle);
  for (short value : {bounds.x, bounds.y, bounds.cx, bounds.cy}) {
    words_.push_back(static_cast<WORD>(value));
  }
  words_.push_back(static_cast<WORD>(id));
  words_.push_back(0xFFFF);  // the class follows as an atom
  words_.push_back(static_cast<WORD>(itemClass));
  AppendText(text);
  words_.push_back(0);  // no creation data
  ++words_[kCountIndex];
}

const DLGTEMPLATE* DialogTemplate::Get() const {
  return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
}

void DialogTemplate::AppendDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplate::AppendText(const std::string& text) {
  if (!text.empty()) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
      throw std::length_error("Dialog text too long");
    }
    const int length = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (wide <= 0) throw std::runtime_error("Cannot convert a dialog text");
    const std::size_t start = words_.size();
    words_.resize(start + static_cast<std::size_t>(wide));
    MultiByteToWideChar(CP_ACP, 0, text.data(), length,
                        reinterpret_cast<wchar_t*>(words_.data() + start), wide);
  }
  words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) words_.push_back(0);
}

}  // namespace brimdock
