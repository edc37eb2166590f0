#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/Color.h"

namespace brimdock {

class Control;
class Form;

// An event handler: the control that fired it is the sender.
using Handler = std::function<void(Control* sender)>;

// Left, top, width, height in the parent's client pixels, as a layout gives them.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Bounds&) const = default;
};

// A real child window owned by a C++ object. Its window text is its caption; the parent relays
// the notifications a control sends (commands, notifications, owner drawing, colours) to the
// object, and an exception that leaves a handler is reported by the form, never passed into
// Windows.
class Control {
 public:
  Control() = default;
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  [[nodiscard]] HWND Handle() const { return handle_; }
  [[nodiscard]] Control* Parent() const { return parent_; }
  // The form this control lies on (itself for a form).
  [[nodiscard]] Form* OwningForm();

  [[nodiscard]] std::string Caption() const;
  void SetCaption(std::string_view caption);
  [[nodiscard]] const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  [[nodiscard]] bool Enabled() const;
  void SetEnabled(bool enabled);
  [[nodiscard]] bool Visible() const;
  void SetVisible(bool visible);
  [[nodiscard]] Bounds BoundsInParent() const;
  virtual void SetBounds(const Bounds& bounds);
  void SetFocus();
  [[nodiscard]] bool Focused() const;
  void SetFont(HFONT font);
  [[nodiscard]] HFONT FontHandle() const;
  // The width in pixels of a text in the control's font, a tab measured as a character.
  [[nodiscard]] int TextWidth(std::string_view text) const;

  // The object behind a window made by this layer, or nullptr.
  static Control* FromHandle(HWND window);

 protected:
  // A child of one of the Windows control classes, subclassed so that its messages pass
  // through WndProc before the class's own procedure; other subclasses of the window (a
  // tooltip's, for one) stay in the chain. On Windows the subclass receives text-carrying
  // messages in their Unicode form.
  void CreateStandard(Control& parent, const char* windowClass, std::string_view text, DWORD style,
                      DWORD exStyle, const Bounds& bounds);
  // A window of this layer's own class: a child when parent is given, else a top-level window.
  void CreateOwn(Control* parent, std::string_view text, DWORD style, DWORD exStyle,
                 const Bounds& bounds);

  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Relayed by the parent.
  virtual void OnCommand(WORD /*code*/) {}
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // The brush to paint this control's background with, the text colours set in dc; nullptr
  // leaves the colours to Windows.
  virtual HBRUSH OnControlColor(HDC dc);
  // Routes an exception out of a handler to the form's error report.
  void ReportError(const std::exception& error);

 private:
  friend class ControlWindowClass;
  friend class Container;
  void Attach(HWND window);
  void Detach();
  static LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK StandardClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR data);
  LRESULT GuardedWndProc(UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  bool subclassed_ = false;
  // A window of the layer's own class, which keeps its object in its extra bytes.
  bool ownClass_ = false;
  Control* parent_ = nullptr;
  std::string hint_;
};

// Bounds as a RECT.
RECT ToRect(const Bounds& bounds);

}  // namespace brimdock
