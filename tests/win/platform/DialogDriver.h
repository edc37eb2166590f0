#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

namespace brimdock::testing {

// Answers the modal dialogs that the test's thread shows, from a second thread, the way a user
// would: the dialog's own modal loop handles every message. After the timeout it closes every
// dialog the test's thread still shows, so that a faulty dialog fails its test instead of
// hanging it.
class DialogDriver {
 public:
  using Script = std::function<void(DialogDriver&)>;

  explicit DialogDriver(Script script, std::chrono::milliseconds timeout = std::chrono::seconds(10))
      : testThread_(GetCurrentThreadId()),
        deadline_(std::chrono::steady_clock::now() + timeout),
        thread_([this, script = std::move(script)] { Run(script); }) {}
  ~DialogDriver() { Finish(); }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Called once the dialog has returned: waits for the script, handling messages meanwhile.
  void Finish() {
    finished_ = true;
    while (!scriptDone_) {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      Sleep(5);
    }
    if (thread_.joinable()) thread_.join();
  }

  // Empty when the script ran to its end and nothing had to be closed by force.
  [[nodiscard]] const std::string& Failure() const { return failure_; }

  // Script steps, run on the driver's thread.

  // A visible dialog of the test's thread with this caption (any caption when empty), other
  // than `other`.
  HWND WaitForDialog(const std::string& caption, HWND other = nullptr) {
    for (;;) {
      if (HWND found = FindDialog(caption, other)) return found;
      if (finished_) throw std::runtime_error("no dialog \"" + caption + "\" appeared");
      CheckTime("waiting for the dialog \"" + caption + "\"");
      Sleep(20);
    }
  }
  void WaitUntilGone(HWND dialog) {
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
      CheckTime("waiting for a dialog to close");
      Sleep(20);
    }
  }
  // Presses a button as a click does; the click runs in the dialog's modal loop.
  static void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  // The close box of the title bar.
  static void CloseFromTitleBar(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }
  static void SetText(HWND window, const std::string& text) {
    Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  static std::string Text(HWND window) {
    const auto length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    Send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
  }
  static LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000, &result);
    return static_cast<LRESULT>(result);
  }
  // A key pressed and released in the control that has the keyboard focus.
  void PressKey(WORD key) const {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(testThread_, &gui);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(gui.hwndFocus, WM_KEYDOWN, key, scan | 1);
    PostMessageA(gui.hwndFocus, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
  }
  [[nodiscard]] HWND Focus() const {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(testThread_, &gui);
    return gui.hwndFocus;
  }

 private:
  struct Search {
    const DialogDriver* driver;
    const std::string* caption;
    HWND other;
    HWND found;
  };

  void Run(const Script& script) {
    try {
      script(*this);
    } catch (const std::exception& error) {
      failure_ = std::string("the script failed: ") + error.what();
    }
    // Whatever the script left open is closed at the deadline.
    while (!finished_) {
      if (std::chrono::steady_clock::now() > deadline_) {
        if (failure_.empty()) failure_ = "a dialog was still open at the deadline";
        EnumThreadWindows(testThread_, &CloseDialog, 0);
      }
      Sleep(20);
    }
    scriptDone_ = true;
  }

  void CheckTime(const std::string& what) const {
    if (std::chrono::steady_clock::now() > deadline_) throw std::runtime_error("timeout " + what);
  }

  [[nodiscard]] HWND FindDialog(const std::string& caption, HWND other) const {
    Search search{this, &caption, other, nullptr};
    EnumThreadWindows(testThread_, &MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  static bool IsVisibleDialog(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770" && IsWindowVisible(window);
  }

  static BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    if (window == search.other || !IsVisibleDialog(window)) return TRUE;
    if (!search.caption->empty() && Text(window) != *search.caption) return TRUE;
    search.found = window;
    return FALSE;
  }

  static BOOL CALLBACK CloseDialog(HWND window, LPARAM) {
    if (IsVisibleDialog(window)) {
      PostMessageA(window, WM_CLOSE, 0, 0);
      PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
  }

  DWORD testThread_;
  std::chrono::steady_clock::time_point deadline_;
  std::atomic<bool> finished_{false};
  std::atomic<bool> scriptDone_{false};
  std::string failure_;  // written by the driver's thread before scriptDone_
  std::thread thread_;
};

}  // namespace brimdock::testing
