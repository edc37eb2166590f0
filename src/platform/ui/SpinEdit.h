#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/Edit.h"

namespace brimdock {

// A number field with up and down arrows. It keeps its text as typed; Value() is the whole
// number the text holds, or the minimum when it holds none. The text is pulled into the range
// only when set from code, when the field loses the focus and when the arrows step it. A range
// whose minimum equals its maximum means no range.
class SpinArrows;

class SpinEdit : public Edit {
 public:
  SpinEdit();
  ~SpinEdit() override;

  void Create(Control& parent, const Bounds& bounds, std::int32_t minValue, std::int32_t maxValue,
              std::int32_t increment, int maxLength);
  [[nodiscard]] std::int32_t Value() const;
  void SetValue(std::int32_t value);
  [[nodiscard]] std::int32_t MinValue() const { return min_; }
  [[nodiscard]] std::int32_t MaxValue() const { return max_; }
  [[nodiscard]] std::int32_t Increment() const { return increment_; }
  // Steps the value by the increment, up or down, as the arrows do.
  void Step(bool up);
  [[nodiscard]] HWND ArrowsHandle() const;

 protected:
  void OnCommand(WORD code) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend class SpinArrows;
  [[nodiscard]] std::int32_t Clamped(std::int64_t value) const;
  [[nodiscard]] bool Bounded() const { return min_ != max_; }

  std::unique_ptr<SpinArrows> arrows_;
  std::int32_t min_ = 0;
  std::int32_t max_ = 0;
  std::int32_t increment_ = 1;
};

}  // namespace brimdock
