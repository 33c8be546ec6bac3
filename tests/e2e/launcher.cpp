#include "launcher.h"

#include "check.h"
#include "platform/win32/control_ids.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

Launcher::Launcher(const std::wstring& program, std::wstring_view parameters) {
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!parameters.empty())
    commandLine += L" " + std::wstring(parameters);
  const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process_))
    Abort("cannot start " + Quoted(commandLine) + ", error " + std::to_string(GetLastError()));
}

Launcher::~Launcher() {
  Terminate();
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

void Launcher::Terminate() {
  if (!Running())
    return;
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, kExitTimeoutMs);
}

bool Launcher::Running() const {
  return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Launcher::WaitForExit(DWORD timeoutMs) {
  WaitUntil(timeoutMs, [this] {
    Observe();
    return !Running();
  });
  if (Running())
    return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

void Launcher::ExpectExit(DWORD expectedCode, DWORD timeoutMs) {
  const std::optional<DWORD> code = WaitForExit(timeoutMs);
  if (!code)
    Abort("the launcher did not end within " + std::to_string(timeoutMs) +
          " ms; its windows: " + DescribeWindows(ProcessId()));
  ExpectEqual("exit code", expectedCode, *code);
}

void Launcher::CloseAndExpectExit(HWND window) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  ExpectExit(0);
}

HWND Launcher::WaitForMessageBox(DWORD timeoutMs) {
  return WaitForVisible(kDialogClass, "a message box", timeoutMs);
}

HWND Launcher::WaitForMainWindow(DWORD timeoutMs) {
  return WaitForVisible(tolvane::ids::kMainWindowClass, "the main window", timeoutMs);
}

HWND Launcher::WaitForAnyWindow(DWORD timeoutMs) {
  return WaitForVisible({}, "a window", timeoutMs);
}

HWND Launcher::WaitForVisible(std::wstring_view className, std::string_view what, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(timeoutMs, [&] {
    Observe();
    found = className.empty() ? FindVisibleTopLevel(ProcessId())
                              : FindTopLevel(ProcessId(), className, true);
    return found != nullptr || !Running();
  });
  if (!found)
    Abort("expected " + std::string(what) + ", got " + Describe());
  return found;
}

void Launcher::Observe() {
  if (FindTopLevel(ProcessId(), tolvane::ids::kMainWindowClass, true))
    mainWindowSeen_ = true;
  if (FindVisibleTopLevel(ProcessId()))
    anyWindowSeen_ = true;
}

std::string Launcher::Describe() const {
  if (!Running()) {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return "the launcher's end with exit code " + std::to_string(code);
  }
  return DescribeWindows(ProcessId());
}

}  // namespace e2e
