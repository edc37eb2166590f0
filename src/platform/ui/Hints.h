#pragma once

#include <windows.h>

namespace brimdock {

class Control;

// The tooltip window of a form: shows each control's hint when the pointer rests on it.
class Hints {
 public:
  Hints() = default;
  ~Hints();
  Hints(const Hints&) = delete;
  Hints& operator=(const Hints&) = delete;

  void Create(HWND owner);
  // Registers, changes or removes the tooltip of a control after its hint changed.
  void Update(Control& control);
  // Forgets the tooltip of a control's window, as when the window goes.
  void Remove(HWND window);

 private:
  HWND tooltip_ = nullptr;
};

}  // namespace brimdock
