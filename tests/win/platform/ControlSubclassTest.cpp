#include <gmock/gmock.h>
#include <windows.h>
// windows.h first
#include <commctrl.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Form.h"

namespace brimdock {
namespace {

using ::testing::ElementsAre;

constexpr UINT kPing = WM_APP + 17;
constexpr UINT_PTR kLoggerId = 0x5EE;

// What another subclass of a control's window (a tooltip's, say) receives.
struct SubclassLog {
  int pings = 0;
  bool ncDestroy = false;
};

LRESULT CALLBACK LoggingSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR data) {
  auto& log = *reinterpret_cast<SubclassLog*>(data);
  if (message == kPing) ++log.pings;
  if (message == WM_NCDESTROY) {
    log.ncDestroy = true;
    RemoveWindowSubclass(window, &LoggingSubclass, id);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

// Puts the logging subclass on the next window this thread creates, before its creator gets it.
class SubclassOnCreation {
 public:
  explicit SubclassOnCreation(SubclassLog& log)
      : hook_(SetWindowsHookExA(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) {
    pending_ = &log;
  }
  ~SubclassOnCreation() {
    UnhookWindowsHookEx(hook_);
    pending_ = nullptr;
  }
  SubclassOnCreation(const SubclassOnCreation&) = delete;
  SubclassOnCreation& operator=(const SubclassOnCreation&) = delete;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && pending_) {
      SetWindowSubclass(reinterpret_cast<HWND>(wParam), &LoggingSubclass, kLoggerId,
                        reinterpret_cast<DWORD_PTR>(std::exchange(pending_, nullptr)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline SubclassLog* pending_ = nullptr;
  HHOOK hook_;
};

// A push button that counts the pings reaching its object, and throws on one when told to.
class PingedButton : public Control {
 public:
  void Create(Control& parent) {
    CreateStandard(parent, "BUTTON", "Ping", WS_VISIBLE, 0, Bounds{20, 20, 120, 30});
  }
  int pings = 0;
  bool failNextPing = false;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kPing) {
      ++pings;
      if (std::exchange(failNextPing, false)) throw std::runtime_error("The ping failed");
    }
    return Control::WndProc(message, wParam, lParam);
  }
};

HWND TooltipOf(const Form& form) {
  struct Search {
    HWND owner;
    HWND found = nullptr;
  } search{form.Handle()};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        char name[64]{};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != s.owner) {
          return TRUE;
        }
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int ToolCount(HWND tooltip) {
  return static_cast<int>(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
}

// Whether the tooltip pops up over the control once the pointer rests on it: it only learns
// of the pointer through its subclass of the control's window.
bool TooltipShowsOver(HWND tooltip, const Control& control) {
  SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(1, 0));
  RECT r{};
  GetWindowRect(control.Handle(), &r);
  POINT point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  SetCursorPos(point.x, point.y);
  ScreenToClient(control.Handle(), &point);
  SendMessageA(control.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  bool shown = false;
  while (!shown && std::chrono::steady_clock::now() < deadline) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    shown = SendMessageA(tooltip, TTM_GETCURRENTTOOLA, 0, 0) != 0;
    if (!shown) Sleep(10);
  }
  SendMessageA(tooltip, TTM_POP, 0, 0);
  SetCursorPos(0, 0);
  return shown;
}

class ControlSubclassTest : public ::testing::Test {
 protected:
  ControlSubclassTest() {
    form.CreateForm("Subclass", 240, 120, clBtnFace, FontSpec{});
    form.SetErrorSink([this](const std::string& message) { errors.push_back(message); });
    tooltip = TooltipOf(form);
  }

  // Whether a ping reaches the button's object and the logging subclass, each once more.
  bool PingReachesBoth(const PingedButton& button, const SubclassLog& log) {
    const int objectBefore = button.pings;
    const int logBefore = log.pings;
    SendMessageA(button.Handle(), kPing, 0, 0);
    return button.pings == objectBefore + 1 && log.pings == logBefore + 1;
  }

  Form form;
  HWND tooltip = nullptr;
  std::vector<std::string> errors;
};

TEST_F(ControlSubclassTest, AHintedButtonKeepsEverySubclassThroughHintChanges) {
  ASSERT_NE(tooltip, nullptr);
  form.Show();
  for (const bool otherSubclassFirst : {true, false}) {
    SCOPED_TRACE(otherSubclassFirst ? "other subclass before the button's"
                                    : "other subclass after the button's");
    SubclassLog log;
    PingedButton button;
    if (otherSubclassFirst) {
      SubclassOnCreation first(log);
      button.Create(form);
    } else {
      button.Create(form);
      SetWindowSubclass(button.Handle(), &LoggingSubclass, kLoggerId,
                        reinterpret_cast<DWORD_PTR>(&log));
    }
    for (const std::string hint : {"First", "Second", ""}) {
      button.SetHint(hint);
      EXPECT_TRUE(PingReachesBoth(button, log)) << "after the hint \"" << hint << '"';
      EXPECT_EQ(ToolCount(tooltip), hint.empty() ? 0 : 1) << "after the hint \"" << hint << '"';
    }
    // The other subclass leaves while it is the only one besides the button's; the chain may
    // be tidied once the next message has passed, so two follow.
    RemoveWindowSubclass(button.Handle(), &LoggingSubclass, kLoggerId);
    SendMessageA(button.Handle(), kPing, 0, 0);
    SendMessageA(button.Handle(), kPing, 0, 0);
    EXPECT_EQ(button.pings, 5);
    EXPECT_EQ(log.pings, 3);
    button.SetHint("Back");
    EXPECT_EQ(ToolCount(tooltip), 1);
    EXPECT_TRUE(TooltipShowsOver(tooltip, button));
  }
  EXPECT_THAT(errors, ElementsAre());
}

TEST_F(ControlSubclassTest, ADestroyedHintedButtonLeavesNoSubclassOrTool) {
  ASSERT_NE(tooltip, nullptr);
  for (const bool byObject : {true, false}) {
    SCOPED_TRACE(byObject ? "the object goes" : "the window is destroyed");
    SubclassLog log;
    auto button = std::make_unique<PingedButton>();
    button->Create(form);
    SetWindowSubclass(button->Handle(), &LoggingSubclass, kLoggerId,
                      reinterpret_cast<DWORD_PTR>(&log));
    button->SetHint("Going");
    ASSERT_EQ(ToolCount(tooltip), 1);
    const HWND window = button->Handle();
    if (byObject) {
      button.reset();
    } else {
      DestroyWindow(window);
      EXPECT_EQ(button->Handle(), nullptr);
      button.reset();
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(log.ncDestroy) << "the other subclass saw the window go";
    EXPECT_EQ(ToolCount(tooltip), 0);
  }
  PingedButton next;
  next.Create(form);
  next.SetHint("Next");
  EXPECT_EQ(ToolCount(tooltip), 1);
  EXPECT_THAT(errors, ElementsAre());
}

TEST_F(ControlSubclassTest, AnExceptionFromTheObjectIsReportedAndTheButtonGoesOn) {
  SubclassLog log;
  PingedButton button;
  button.Create(form);
  button.SetHint("Hint");
  SetWindowSubclass(button.Handle(), &LoggingSubclass, kLoggerId,
                    reinterpret_cast<DWORD_PTR>(&log));
  button.failNextPing = true;
  EXPECT_EQ(SendMessageA(button.Handle(), kPing, 0, 0), 0);
  EXPECT_THAT(errors, ElementsAre("The ping failed"));
  EXPECT_TRUE(PingReachesBoth(button, log));
  EXPECT_EQ(ToolCount(tooltip), 1);
}

}  // namespace
}  // namespace brimdock
