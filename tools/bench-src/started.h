// A program tools/bench starts and times: the launcher or one of its floors.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

double NowMs();

inline constexpr DWORD kStartTimeoutMs = 30000;

// What the bench starts: a program, the class of the window it shows, its
// parameters and the folder it starts in.
struct BenchProgram {
  std::wstring path;
  const wchar_t* windowClass;
  std::wstring parameters;
  std::wstring folder;
  // The launcher is asked to select a line as its list reports a click; a
  // floor is sent WM_APP with the line.
  bool isLauncher;
};

// A program started and watched until its window shows; closed at the end.
class Started {
 public:
  explicit Started(const BenchProgram& program, DWORD timeoutMs = kStartTimeoutMs);
  ~Started();
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  double ToWindowMs() const { return toWindowMs_; }
  void Terminate() const;

  // Waits until the program has handled what was sent to it, then a little
  // longer for what it does after showing its window.
  void Settle() const;

  // The memory the process has in use now, and the most it has had.
  SIZE_T WorkingSet() const;
  SIZE_T PeakWorkingSet() const;

  // Shows line `line`'s description and times it; false when that took
  // longer than `limitMs` (the program is still busy then).
  bool TimedSelect(int line, DWORD limitMs, double& ms) const;

 private:
  bool isLauncher_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  double toWindowMs_ = 0;
};

}  // namespace bench
