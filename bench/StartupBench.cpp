// Start-up to a ready window: Config.exe on an empty settings store, against the floor program
// (OLE, common controls and one window with as many child windows as Config.exe's). Each run
// starts the program, waits until a visible top-level window of it exists and its message loop
// is idle, then closes it. Prints the median of each and their ratio.
//
// Arguments (optional): the path of Config.exe, the path of the floor program, the number of
// measured runs of each. By default both programs are found from this program's own folder in
// the build tree.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultRuns = 9;
constexpr DWORD kReadyTimeoutMs = 30000;
constexpr DWORD kCloseTimeoutMs = 10000;
constexpr char kSettingsKey[] = "Software\\Marrowick Software\\Brimdock";

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  [[nodiscard]] double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

struct WindowSearch {
  DWORD processId = 0;
  HWND found = nullptr;
};

// A visible, unowned top-level window of the process that is not a dialog box (an error message
// shown during start-up is not the ready window).
BOOL CALLBACK FindMainWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId || !IsWindowVisible(window) ||
      GetWindow(window, GW_OWNER) != nullptr) {
    return TRUE;
  }
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") == 0) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CountChild(HWND /*window*/, LPARAM lParam) {
  ++*reinterpret_cast<int*>(lParam);
  return TRUE;
}

struct Run {
  double milliseconds = 0;
  int children = 0;
};

// Starts the command line and times it until its window is shown and its message loop idle.
std::optional<Run> TimeStart(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  const Stopwatch clock;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::printf("  cannot start %s (error %lu)\n", commandLine.c_str(), GetLastError());
    return std::nullopt;
  }
  WindowSearch search{process.dwProcessId, nullptr};
  Run run;
  bool ready = false;
  // Wine signals input idle once the program's thread first waits on its message queue, which
  // for these programs is their message loop after showing the window. Waiting for that costs
  // nothing; polling for the window would load the wineserver the measured program also uses.
  WaitForInputIdle(process.hProcess, kReadyTimeoutMs);
  while (clock.Milliseconds() < kReadyTimeoutMs) {
    EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      // Answered only once the window's thread is back in its message loop after showing it.
      DWORD_PTR result = 0;
      ready = SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, kReadyTimeoutMs,
                                  &result) != 0;
      run.milliseconds = clock.Milliseconds();
      break;
    }
    // Idle before its window showed: look again shortly.
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  if (ready) {
    EnumChildWindows(search.found, &CountChild, reinterpret_cast<LPARAM>(&run.children));
    PostMessageA(search.found, WM_CLOSE, 0, 0);
  } else {
    std::printf("  %s did not show a ready window\n", commandLine.c_str());
  }
  if (WaitForSingleObject(process.hProcess, kCloseTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, kCloseTimeoutMs);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!ready) return std::nullopt;
  return run;
}

std::optional<Run> TimeUtility(const std::string& path) {
  // An empty settings store: the window opens with every default.
  RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
  return TimeStart("\"" + path + "\"");
}

std::optional<Run> TimeFloor(const std::string& path, int children) {
  return TimeStart("\"" + path + "\" " + std::to_string(children));
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int RunBench(int argc, char** argv) {
  const std::string folder = OwnFolder();
  const std::string utility = argc > 1 ? argv[1] : folder + "..\\src\\app\\Config.exe";
  const std::string floor = argc > 2 ? argv[2] : folder + "startup_floor.exe";
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : kDefaultRuns;

  // The warm-up runs also count the utility's child windows, which the floor then creates.
  const auto warmUtility = TimeUtility(utility);
  if (!warmUtility) return 1;
  const int children = warmUtility->children;
  if (!TimeFloor(floor, children)) return 1;

  std::vector<double> ours;
  std::vector<double> bare;
  // Alternating which goes first evens out the load of other work on the machine.
  for (int i = 0; i < runs; ++i) {
    for (int k = 0; k < 2; ++k) {
      const bool utilityTurn = (i + k) % 2 == 0;
      const auto run = utilityTurn ? TimeUtility(utility) : TimeFloor(floor, children);
      if (!run) return 1;
      (utilityTurn ? ours : bare).push_back(run->milliseconds);
    }
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);

  const double oursMedian = Median(ours);
  const double bareMedian = Median(bare);
  std::printf("Start-up to a ready window, empty settings store, %d child windows\n", children);
  std::printf(
      "  Config.exe %.0f ms, floor (OLE + common controls + window) %.0f ms (medians of %d): "
      "ratio %.2f (target: at most 1.25)\n",
      oursMedian, bareMedian, runs, oursMedian / bareMedian);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return RunBench(argc, argv);
}
