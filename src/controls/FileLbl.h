#pragma once

#include <string>
#include <string_view>

#include "controls/PathFit.h"
#include "platform/ui/Label.h"

namespace brimdock {

// A one-line label showing a file path, shortened with "..." in place of whole folders when it
// is wider than the label. The caption is computed from FileName, Separator and Direction, again
// whenever one of them changes and whenever the label is moved or resized.
class TFileLabel : public Label {
 public:
  void Create(Control& parent, const Bounds& bounds);

  [[nodiscard]] const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string_view fileName);
  [[nodiscard]] const std::string& Separator() const { return separator_; }
  void SetSeparator(std::string_view separator);
  [[nodiscard]] TDirection Direction() const { return direction_; }
  void SetDirection(TDirection direction);
  [[nodiscard]] const PathPieces& Pieces() const { return pieces_; }

  void SetBounds(const Bounds& bounds) override;

 private:
  void FitCaption();

  std::string fileName_;
  std::string separator_ = "\\";
  TDirection direction_ = TDirection::drFromLeft;
  PathPieces pieces_ = SplitFileName("", "\\");
};

}  // namespace brimdock
