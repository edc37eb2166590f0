#include "platform/ui/Control.h"

// after windows.h, which the header includes
#include <commctrl.h>

#include <exception>
#include <stdexcept>

#include "platform/GdiObjects.h"
#include "platform/ui/Form.h"

namespace brimdock {
namespace {

constexpr char kObjectProperty[] = "Brimdock.Control";
constexpr char kOwnClassName[] = "BrimdockWindow";
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

// Registers the layer's own window class once per process.
class ControlWindowClass {
 public:
  static const char* Name() {
    static const ATOM atom = [] {
      WNDCLASSEXA wc{};
      wc.cbSize = sizeof wc;
      wc.style = CS_DBLCLKS;
      wc.lpfnWndProc = &Control::OwnClassProc;
      // The object, read with every message without asking the window manager's properties.
      wc.cbWndExtra = sizeof(LONG_PTR);
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
      wc.lpszClassName = kOwnClassName;
      return RegisterClassExA(&wc);
    }();
    if (atom == 0) throw std::runtime_error("Cannot register the window class");
    return kOwnClassName;
  }
};

RECT ToRect(const Bounds& b) {
  return RECT{b.left, b.top, b.left + b.width, b.top + b.height};
}

Control::~Control() {
  if (handle_) {
    HWND window = handle_;
    Detach();
    DestroyWindow(window);
  }
}

Control* Control::FromHandle(HWND window) {
  if (!window) return nullptr;
  return static_cast<Control*>(GetPropA(window, kObjectProperty));
}

void Control::Attach(HWND window) {
  handle_ = window;
  SetPropA(window, kObjectProperty, this);
}

void Control::Detach() {
  if (!handle_) return;
  if (!hint_.empty()) {
    if (Form* form = OwningForm(); form && form != this) form->Hints().Remove(handle_);
  }
  RemovePropA(handle_, kObjectProperty);
  if (ownClass_) {
    SetWindowLongPtrA(handle_, 0, 0);
    ownClass_ = false;
  }
  if (subclassed_) {
    RemoveWindowSubclass(handle_, &StandardClassProc, kSubclassId);
    subclassed_ = false;
  }
  handle_ = nullptr;
}

void Control::CreateStandard(Control& parent, const char* windowClass, std::string_view text,
                             DWORD style, DWORD exStyle, const Bounds& b) {
  parent_ = &parent;
  const std::string caption(text);
  HWND window = CreateWindowExA(exStyle, windowClass, caption.c_str(), style | WS_CHILD, b.left,
                                b.top, b.width, b.height, parent.Handle(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  if (!window) throw std::runtime_error(std::string("Cannot create a ") + windowClass + " window");
  Attach(window);
  if (!SetWindowSubclass(window, &StandardClassProc, kSubclassId,
                         reinterpret_cast<DWORD_PTR>(this))) {
    Detach();
    DestroyWindow(window);
    throw std::runtime_error(std::string("Cannot subclass a ") + windowClass + " window");
  }
  subclassed_ = true;
  SetFont(parent.FontHandle());
}

void Control::CreateOwn(Control* parent, std::string_view text, DWORD style, DWORD exStyle,
                        const Bounds& b) {
  parent_ = parent;
  const std::string caption(text);
  HWND window = CreateWindowExA(exStyle, ControlWindowClass::Name(), caption.c_str(),
                                parent ? (style | WS_CHILD) : style, b.left, b.top, b.width,
                                b.height, parent ? parent->Handle() : nullptr, nullptr,
                                GetModuleHandleA(nullptr), this);
  if (!window) throw std::runtime_error("Cannot create a window");
  if (parent) SetFont(parent->FontHandle());
}

LRESULT CALLBACK Control::OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    if (auto* control = static_cast<Control*>(create->lpCreateParams)) {
      control->Attach(window);
      control->ownClass_ = true;
      SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(control));
    }
  }
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(window, 0));
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  const LRESULT result = control->GuardedWndProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) control->Detach();
  return result;
}

LRESULT CALLBACK Control::StandardClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR /*id*/, DWORD_PTR data) {
  auto* control = reinterpret_cast<Control*>(data);
  if (message == WM_NCDESTROY) {
    control->Detach();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return control->GuardedWndProc(message, wParam, lParam);
}

LRESULT Control::GuardedWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return WndProc(message, wParam, lParam);
  } catch (const std::exception& error) {
    ReportError(error);
  } catch (...) {
    ReportError(std::runtime_error("Unexpected error"));
  }
  return 0;
}

void Control::ReportError(const std::exception& error) {
  if (Form* form = OwningForm()) {
    form->ReportError(error);
  } else {
    MessageBoxA(nullptr, error.what(), "Error", MB_OK | MB_ICONERROR);
  }
}

LRESULT Control::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultProc(message, wParam, lParam);
}

LRESULT Control::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (subclassed_) return DefSubclassProc(handle_, message, wParam, lParam);
  return DefWindowProcA(handle_, message, wParam, lParam);
}

HBRUSH Control::OnControlColor(HDC /*dc*/) {
  return nullptr;
}

Form* Control::OwningForm() {
  Control* control = this;
  while (control->parent_) control = control->parent_;
  return dynamic_cast<Form*>(control);
}

std::string Control::Caption() const {
  const int length = GetWindowTextLengthA(handle_);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(handle_, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void Control::SetCaption(std::string_view caption) {
  const std::string text(caption);
  SetWindowTextA(handle_, text.c_str());
}

void Control::SetHint(std::string hint) {
  hint_ = std::move(hint);
  if (Form* form = OwningForm(); form && form != this) form->Hints().Update(*this);
}

bool Control::Enabled() const {
  return IsWindowEnabled(handle_) != FALSE;
}
void Control::SetEnabled(bool enabled) {
  EnableWindow(handle_, enabled ? TRUE : FALSE);
}

bool Control::Visible() const {
  return (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}
void Control::SetVisible(bool visible) {
  ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

Bounds Control::BoundsInParent() const {
  RECT r{};
  GetWindowRect(handle_, &r);
  if (HWND parent = GetParent(handle_);
      parent && (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Control::SetBounds(const Bounds& b) {
  MoveWindow(handle_, b.left, b.top, b.width, b.height, TRUE);
}

void Control::SetFocus() {
  ::SetFocus(handle_);
}
bool Control::Focused() const {
  return GetFocus() == handle_;
}

void Control::SetFont(HFONT font) {
  // A control not on the screen yet is drawn with its font when it shows.
  if (font) {
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font),
                 IsWindowVisible(handle_) ? TRUE : FALSE);
  }
}

int Control::TextWidth(std::string_view text) const {
  WindowDC dc(handle_);
  SelectedObject font(dc.Get(), FontHandle());
  SIZE size{};
  GetTextExtentPoint32A(dc.Get(), text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

HFONT Control::FontHandle() const {
  return reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0));
}

}  // namespace brimdock
