#include "platform/ui/SpinEdit.h"

#include "platform/ui/ChildStyle.h"

#include <commctrl.h>

#include <string>

#include "settings/NumberText.h"

namespace brimdock {

// The arrow buttons: a Windows up-down control beside the field, whose notifications the
// parent relays to this object.
class SpinArrows : public Control {
 public:
  explicit SpinArrows(SpinEdit& owner) : owner_(owner) {}
  void Create(Control& parent, const Bounds& bounds) {
    CreateStandard(parent, UPDOWN_CLASSA, "", WS_VISIBLE | UDS_ARROWKEYS, kChildExStyle, bounds);
    SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(-1000), 1000);
    SendMessageA(Handle(), UDM_SETPOS32, 0, 0);
  }

 protected:
  bool OnNotify(const NMHDR& header, LRESULT& result) override {
    if (header.code != UDN_DELTAPOS) return false;
    const auto& delta = reinterpret_cast<const NMUPDOWN&>(header);
    if (delta.iDelta != 0) owner_.Step(delta.iDelta > 0);
    result = 1;  // the control keeps its own position; the field holds the value
    return true;
  }

 private:
  SpinEdit& owner_;
};

SpinEdit::SpinEdit() = default;
SpinEdit::~SpinEdit() = default;

HWND SpinEdit::ArrowsHandle() const {
  return arrows_ ? arrows_->Handle() : nullptr;
}

void SpinEdit::Create(Control& parent, const Bounds& bounds, std::int32_t minValue,
                      std::int32_t maxValue, std::int32_t increment, int maxLength) {
  min_ = minValue;
  max_ = maxValue;
  increment_ = increment;
  constexpr int kArrowsWidth = 16;
  Edit::Create(parent, Bounds{bounds.left, bounds.top, bounds.width - kArrowsWidth, bounds.height},
               maxLength);
  arrows_ = std::make_unique<SpinArrows>(*this);
  arrows_->Create(parent, Bounds{bounds.left + bounds.width - kArrowsWidth, bounds.top,
                                 kArrowsWidth, bounds.height});
  SendMessageA(arrows_->Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
  SetValue(min_);
}

std::int32_t SpinEdit::Clamped(std::int64_t value) const {
  if (Bounded()) {
    if (value < min_) return min_;
    if (value > max_) return max_;
  }
  if (value < INT32_MIN) return INT32_MIN;
  if (value > INT32_MAX) return INT32_MAX;
  return static_cast<std::int32_t>(value);
}

std::int32_t SpinEdit::Value() const {
  return ParseWholeNumber(Text()).value_or(min_);
}

void SpinEdit::SetValue(std::int32_t value) {
  SetText(std::to_string(Clamped(value)));
}

void SpinEdit::Step(bool up) {
  const std::int64_t value = Value();
  SetValue(Clamped(up ? value + increment_ : value - increment_));
}

void SpinEdit::OnCommand(WORD code) {
  if (code == EN_KILLFOCUS) {
    const std::int32_t value = Value();
    if (Clamped(value) != value) SetValue(value);
  }
  Edit::OnCommand(code);
}

LRESULT SpinEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENABLE && arrows_) EnableWindow(arrows_->Handle(), static_cast<BOOL>(wParam));
  return Edit::WndProc(message, wParam, lParam);
}

}  // namespace brimdock
