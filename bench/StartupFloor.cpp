// The start-up floor: what any program of this kind pays before its window is ready. Initialises
// OLE and the common controls, then shows one window with a 477 x 321 client area and as many
// child windows as the command line says, and runs a message loop until the window is closed.

#include <windows.h>
// windows.h first
#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>

namespace {

constexpr int kClientWidth = 477;
constexpr int kClientHeight = 321;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
constexpr char kClassName[] = "StartupFloorWindow";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine, int /*show*/) {
  const int children = std::atoi(commandLine);
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassExA(&wc);

  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HWND window = CreateWindowExA(kExStyle, kClassName, "Start-up floor", kStyle,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 1;

  // One font for every child, as a real window of this kind has.
  LOGFONTA lf{};
  lf.lfHeight = -11;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&lf);

  // Labels in a grid of 80 x 20 pixel cells.
  constexpr int kColumns = kClientWidth / 80;
  for (int i = 0; i < children; ++i) {
    const int x = (i % kColumns) * 80;
    const int y = (i / kColumns) * 20 % kClientHeight;
    HWND child = CreateWindowExA(0, "STATIC", "Label", WS_CHILD | WS_VISIBLE, x, y, 76, 17, window,
                                 nullptr, instance, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }

  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  DeleteObject(font);
  OleUninitialize();
  return 0;
}
