#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>

namespace brimdock {

class Form;

// OLE for the main thread, from before anything else until after everything else.
class OleSession {
 public:
  OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (ok_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool ok_;
};

// The running program: its message loop, the command line and the executable's path.
class Application {
 public:
  // Registers the common controls the windows use.
  static void Initialize();
  // Shows the main form and dispatches messages until it is gone or Terminate was called.
  static int Run(Form& mainForm);
  // Ends the message loop at its next turn.
  static void Terminate();
  // Dispatches every message that is waiting, then returns.
  static void ProcessMessages();
  // Full path of the running executable.
  [[nodiscard]] static std::string ExeName();
  // The folder of the running executable, ending with "\".
  [[nodiscard]] static std::string ExeFolder();
  // Command-line argument number index (1 is the first after the program), or empty.
  [[nodiscard]] static std::string Argument(int index);
  [[nodiscard]] static int ArgumentCount();
  [[nodiscard]] static bool Terminated() { return terminated_; }

 private:
  static inline bool terminated_ = false;
};

}  // namespace brimdock
