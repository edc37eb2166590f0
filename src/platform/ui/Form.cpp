#include "platform/ui/Form.h"

namespace brimdock {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;

}  // namespace

Form::Form() = default;

Form::~Form() {
  if (Handle()) DestroyWindow(Handle());
}

void Form::CreateForm(std::string_view caption, int clientWidth, int clientHeight, Color color,
                      const FontSpec& font) {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  font_.Assign(font);
  CreateContainer(nullptr, caption, kStyle, kExStyle,
                  Bounds{0, 0, frame.right - frame.left, frame.bottom - frame.top}, color);
  SetFont(font_.Handle());
  hints_.Create(Handle());
}

void Form::CentreOnScreen() {
  RECT r{};
  GetWindowRect(Handle(), &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::PlaceTopAt(int top) {
  centreOnShow_ = false;
  RECT r{};
  GetWindowRect(Handle(), &r);
  SetWindowPos(Handle(), nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
  if (centreOnShow_) {
    CentreOnScreen();
    centreOnShow_ = false;
  }
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
}

void Form::Close() {
  if (Handle()) SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

void Form::ReportError(const std::exception& error) {
  if (errorSink_) {
    errorSink_(error.what());
  } else {
    MessageBoxA(Handle(), error.what(), "Error", MB_OK | MB_ICONERROR);
  }
}

LRESULT Form::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (!closing_) {
        closing_ = true;
        if (onClose) onClose(this);
        DestroyWindow(Handle());
      }
      return 0;
    case WM_DESTROY:
      if (isMain_) PostQuitMessage(0);
      return 0;
    default:
      return Container::WndProc(message, wParam, lParam);
  }
}

}  // namespace brimdock
