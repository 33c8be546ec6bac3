#include "started.h"

#include "check.h"
#include "platform/win32/control_ids.h"
#include "text.h"
#include "windows_of.h"

namespace bench {

using e2e::Abort;
using e2e::FindControl;
using e2e::Utf8;

namespace {

namespace ids = tolvane::ids;

// Long enough for a program that has handled its messages to paint.
constexpr DWORD kRestMs = 100;

// The process's visible top-level window of this class. Asked by class name:
// a look at every window of the session each millisecond would load the Wine
// server the measured program needs itself.
HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
  for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
       window = FindWindowExW(nullptr, window, className, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window))
      return window;
  }
  return nullptr;
}

struct Counters {
  DWORD cb;
  DWORD pageFaultCount;
  SIZE_T peakWorkingSetSize;
  SIZE_T workingSetSize;
  SIZE_T rest[6];
};

Counters MemoryOf(HANDLE process) {
  Counters counters{};
  counters.cb = sizeof counters;
  using Query = BOOL(WINAPI*)(HANDLE, Counters*, DWORD);
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo")));
  if (query == nullptr || !query(process, &counters, sizeof counters))
    return Counters{};
  return counters;
}

}  // namespace

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

Started::Started(const BenchProgram& program, DWORD timeoutMs) : isLauncher_(program.isLauncher) {
  std::wstring commandLine = L"\"" + program.path + L"\"";
  if (!program.parameters.empty())
    commandLine += L" " + program.parameters;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const double start = NowMs();
  if (!CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      program.folder.c_str(), &startup, &process_))
    Abort("cannot start " + Utf8(program.path) + ", error " + std::to_string(GetLastError()));
  const double end = start + timeoutMs;
  while (!(window_ = VisibleWindowOf(process_.dwProcessId, program.windowClass))) {
    if (NowMs() > end || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) {
      // Not left running behind the next measurement.
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 10000);
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
      Abort("no window from " + Utf8(program.path));
    }
    Sleep(1);
  }
  toWindowMs_ = NowMs() - start;
}

Started::~Started() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 5000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

void Started::Terminate() const {
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 10000);
}

void Started::Settle() const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
  Sleep(300);
}

SIZE_T Started::WorkingSet() const {
  return MemoryOf(process_.hProcess).workingSetSize;
}

SIZE_T Started::PeakWorkingSet() const {
  return MemoryOf(process_.hProcess).peakWorkingSetSize;
}

bool Started::TimedSelect(int line, DWORD limitMs, double& ms) const {
  DWORD_PTR result = 0;
  // From rest, as a user selects: what the last selection left to paint is
  // painted first, not inside the handler timed next.
  SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
  Sleep(kRestMs);
  if (!isLauncher_) {
    const double start = NowMs();
    const bool done = SendMessageTimeoutW(window_, WM_APP, static_cast<WPARAM>(line), 0, 0, limitMs,
                                          &result) != 0;
    ms = NowMs() - start;
    return done;
  }
  const HWND list = FindControl(window_, ids::kListBox1);
  if (!list)
    Abort("the launcher has no list");
  SendMessageTimeoutW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0, SMTO_ABORTIFHUNG, 10000,
                      &result);
  const double start = NowMs();
  const bool done =
      SendMessageTimeoutW(window_, WM_COMMAND, MAKEWPARAM(ids::kListBox1, LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(list), 0, limitMs, &result) != 0;
  ms = NowMs() - start;
  return done;
}

}  // namespace bench
