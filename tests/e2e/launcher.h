// One running tolvane.exe, watched from outside. Every wait also notes
// whether the process ever showed its main window, so that a case can tell
// "ended without a window" from "flashed a window and ended". A launcher
// still running when the object goes away is terminated: a failed case must
// not leave a process holding the instance mutex.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

inline constexpr DWORD kWindowTimeoutMs = 15000;  // Wine may take seconds to start a process
inline constexpr DWORD kExitTimeoutMs = 10000;

class Launcher {
 public:
  // Starts `program` with `parameters` (the command line after the program's
  // quoted path) in the program's own folder.
  Launcher(const std::wstring& program, std::wstring_view parameters = {});
  ~Launcher();
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  DWORD ProcessId() const { return process_.dwProcessId; }
  HANDLE Process() const { return process_.hProcess; }
  bool Running() const;
  // The exit code, if the process ended within the time.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);

  // Wait for a visible window of this process; the case is aborted (with the
  // windows it has, or its exit code) when none comes.
  HWND WaitForMessageBox(DWORD timeoutMs = kWindowTimeoutMs);
  HWND WaitForMainWindow(DWORD timeoutMs = kWindowTimeoutMs);
  HWND WaitForAnyWindow(DWORD timeoutMs = kWindowTimeoutMs);
  // Waits for the end and checks the exit code; aborts if it does not end.
  void ExpectExit(DWORD expectedCode, DWORD timeoutMs = kExitTimeoutMs);
  // Closes `window` as its close box does and expects the end with exit code 0.
  void CloseAndExpectExit(HWND window);

  // Holds and frees the launcher's window thread: messages posted meanwhile
  // wait in its queue together, as they do behind a handler that is busy.
  void Pause() { SuspendThread(process_.hThread); }
  void Resume() { ResumeThread(process_.hThread); }

  bool MainWindowSeen() const { return mainWindowSeen_; }
  bool AnyWindowSeen() const { return anyWindowSeen_; }
  void Terminate();

 private:
  // An empty class name accepts any window.
  HWND WaitForVisible(std::wstring_view className, std::string_view what, DWORD timeoutMs);
  void Observe();
  std::string Describe() const;

  PROCESS_INFORMATION process_{};
  bool mainWindowSeen_ = false;
  bool anyWindowSeen_ = false;
};

}  // namespace e2e
