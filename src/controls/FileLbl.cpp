#include "controls/FileLbl.h"

namespace brimdock {

void TFileLabel::Create(Control& parent, const Bounds& bounds) {
  Label::Create(parent, "", bounds);
  SetShowAccelChar(false);
}

void TFileLabel::SetFileName(std::string_view fileName) {
  if (fileName == fileName_) return;
  fileName_ = fileName;
  pieces_ = SplitFileName(fileName_, separator_);
  FitCaption();
}

void TFileLabel::SetSeparator(std::string_view separator) {
  if (separator == separator_) return;
  separator_ = separator;
  pieces_ = SplitFileName(fileName_, separator_);
  FitCaption();
}

void TFileLabel::SetDirection(TDirection direction) {
  if (direction == direction_) return;
  direction_ = direction;
  FitCaption();
}

void TFileLabel::SetBounds(const Bounds& bounds) {
  Label::SetBounds(bounds);
  FitCaption();
}

void TFileLabel::FitCaption() {
  if (!Handle()) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  SetCaption(brimdock::FitCaption(fileName_, pieces_, separator_, direction_, client.right,
                                  [this](std::string_view text) { return TextWidth(text); }));
}

}  // namespace brimdock
