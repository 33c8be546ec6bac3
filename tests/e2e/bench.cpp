#include "bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "check.h"
#include "fixture_disc.h"
#include "platform/win32/control_ids.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

namespace ids = tolvane::ids;

constexpr wchar_t kBaselineClass[] = L"TolvaneBenchBaseline";
constexpr DWORD kStartTimeoutMs = 30000;

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

struct Spread {
  double median;
  double least;
  double most;
};

Spread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {median, values.front(), values.back()};
}

std::string Format(const char* pattern, double value) {
  char text[64];
  snprintf(text, sizeof text, pattern, value);
  return text;
}

std::string Millis(const Spread& s) {
  return Format("%.1f ms", s.median) + " (" + Format("%.1f", s.least) + "-" +
         Format("%.1f", s.most) + ")";
}

std::string MiB(SIZE_T bytes) {
  return Format("%.1f MiB", static_cast<double>(bytes) / (1024.0 * 1024.0));
}

// A program started in its own folder and watched until its window shows.
class Started {
 public:
  Started(const std::wstring& program, const wchar_t* windowClass,
          std::wstring_view parameters = {}, DWORD timeoutMs = kStartTimeoutMs) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!parameters.empty())
      commandLine += L" " + std::wstring(parameters);
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const double start = NowMs();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_))
      Abort("cannot start " + Utf8(program) + ", error " + std::to_string(GetLastError()));
    const double end = start + timeoutMs;
    while (!(window_ = FindTopLevel(process_.dwProcessId, windowClass, true))) {
      if (NowMs() > end || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0)
        Abort("no window from " + Utf8(program));
      Sleep(1);
    }
    toWindowMs_ = NowMs() - start;
  }
  ~Started() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
      TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Started(const Started&) = delete;
  Started& operator=(const Started&) = delete;

  HWND Window() const { return window_; }
  void Terminate() const {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
  }
  double ToWindowMs() const { return toWindowMs_; }

  // The most memory the process has had in use so far.
  SIZE_T PeakWorkingSet() const {
    struct Counters {
      DWORD cb;
      DWORD pageFaultCount;
      SIZE_T peakWorkingSetSize;
      SIZE_T workingSetSize;
      SIZE_T rest[6];
    } counters{};
    counters.cb = sizeof counters;
    using Query = BOOL(WINAPI*)(HANDLE, Counters*, DWORD);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo")));
    if (query == nullptr || !query(process_.hProcess, &counters, sizeof counters))
      return 0;
    return counters.peakWorkingSetSize;
  }

  // Waits until the program has handled what was sent to it, then a little
  // longer for what it does after showing its window.
  void Settle() const {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result);
    Sleep(300);
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  double toWindowMs_ = 0;
};

// A description document of about `size` bytes: raw code page 932 text in
// paragraphs with bold and coloured runs, as a disc author would write it.
std::string RtfOfSize(std::size_t size) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 " +
                    Cp932("ＭＳ ゴシック") +
                    ";}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\pard\\f0\\fs20 ";
  const std::string body = Cp932(
      "表示ソフトの本体マニュアルです。この段落は説明の本文で、インストールの手順と注意を書きます"
      "。");
  const std::string warning = Cp932("必ずお読みください");
  for (int n = 1; rtf.size() + 2 < size; ++n)
    rtf += "{\\b " + Cp932("第") + std::to_string(n) + Cp932("節") + "} " + body + "{\\cf1 " +
           warning + "}\\par\r\n";
  return rtf + "}";
}

void Row(const std::string& what, const std::string& first, const std::string& second) {
  char line[256];
  snprintf(line, sizeof line, "%-36s %-32s %s", what.c_str(), first.c_str(), second.c_str());
  Print(line);
}

struct Description {
  std::string_view label;
  std::size_t size;
};

// Line 0 is where every selection starts from and returns to; the lines
// after it are the measured ones.
const Description kDescriptions[] = {
    {"start", 2 * 1024},    {"2 KB", 2 * 1024},        {"64 KB", 64 * 1024},
    {"256 KB", 256 * 1024}, {"2 MB", 2 * 1024 * 1024},
};
constexpr int kLargestLine = 4;

std::vector<DiscFile> BenchDisc() {
  std::string menu;
  std::vector<DiscFile> files;
  int line = 0;
  for (const Description& d : kDescriptions) {
    const std::string folder = "d" + std::to_string(line++);
    menu += std::string(d.label) + "\r\n" + folder + "\r\ntool.exe\r\n";
    files.push_back({folder + "\\tool.exe", "MZ"});
    files.push_back({folder + "\\readme.txt", RtfOfSize(d.size)});
  }
  files.push_back({"AutoRun.KWP", menu});
  return files;
}

// The bench disc with a sound list whose About-box sound line is 240 KB of
// placeholders, every one of them expanded at start-up.
std::vector<DiscFile> PlaceholderDisc() {
  std::string line;
  while (line.size() < 240 * 1024)
    line += "%Root%";
  std::vector<DiscFile> files = BenchDisc();
  files.push_back({"sound.kwp", "none.wav\r\nnotify\r\n" + line + "\r\nnotify\r\n"});
  return files;
}

// Selects a line as the list box reports a click and times the handler; false
// when it took longer than the limit (the launcher is still busy then).
bool TimedSelect(const Started& launcher, int line, DWORD limitMs, double& ms) {
  const HWND list = FindControl(launcher.Window(), ids::kListBox1);
  if (!list)
    Abort("the launcher has no list");
  DWORD_PTR result = 0;
  SendMessageTimeoutW(list, LB_SETCURSEL, static_cast<WPARAM>(line), 0, SMTO_ABORTIFHUNG, 10000,
                      &result);
  const double start = NowMs();
  const bool done =
      SendMessageTimeoutW(launcher.Window(), WM_COMMAND, MAKEWPARAM(ids::kListBox1, LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(list), 0, limitMs, &result) != 0;
  ms = NowMs() - start;
  return done;
}

void Measure(int runs, DWORD limitMs) {
  FixtureDisc disc(BenchDisc());
  const std::wstring baseline = DriverFolder() + L"\\bench_baseline.exe";

  // One start of each first: Wine maps its libraries on the first run.
  { Started warm(disc.Program(), ids::kMainWindowClass); }
  { Started warm(baseline, kBaselineClass); }

  std::vector<double> launcherStarts, baselineStarts;
  for (int i = 0; i < runs; ++i) {
    {
      Started launcher(disc.Program(), ids::kMainWindowClass);
      launcherStarts.push_back(launcher.ToWindowMs());
    }
    {
      Started base(baseline, kBaselineClass);
      baselineStarts.push_back(base.ToWindowMs());
    }
  }
  std::vector<double> placeholderStarts;
  {
    FixtureDisc placeholders(PlaceholderDisc());
    for (int i = 0; i < runs; ++i) {
      Started launcher(placeholders.Program(), ids::kMainWindowClass);
      placeholderStarts.push_back(launcher.ToWindowMs());
    }
  }
  SIZE_T baselinePeak = 0;
  {
    Started base(baseline, kBaselineClass);
    base.Settle();
    baselinePeak = base.PeakWorkingSet();
  }

  const std::string limit = Format("> %.0f s (stopped)", limitMs / 1000.0);
  auto launcher = std::make_unique<Started>(disc.Program(), ids::kMainWindowClass);
  launcher->Settle();
  const SIZE_T launcherPeakAtStart = launcher->PeakWorkingSet();
  std::string launcherPeakAfterLargest = "not reached";
  std::vector<std::string> rows;
  for (int line = 1; line <= kLargestLine; ++line) {
    std::vector<double> shows, leaves;
    std::string show, leave;
    for (int i = 0; i < runs && show.empty() && leave.empty(); ++i) {
      double ms = 0;
      if (!TimedSelect(*launcher, line, limitMs, ms)) {
        show = limit;
      } else {
        shows.push_back(ms);
        if (line == kLargestLine && i == 0)
          launcherPeakAfterLargest = MiB(launcher->PeakWorkingSet());
        if (!TimedSelect(*launcher, 0, limitMs, ms))
          leave = limit;
        else
          leaves.push_back(ms);
      }
      if (!show.empty() || !leave.empty()) {
        // Still busy: the next measurement needs a launcher of its own.
        launcher->Terminate();
        launcher = std::make_unique<Started>(disc.Program(), ids::kMainWindowClass);
        launcher->Settle();
      }
    }
    if (show.empty())
      show = Millis(SpreadOf(shows)) + " n=" + std::to_string(shows.size());
    // A series stopped at its first selection has nothing to leave.
    if (leave.empty())
      leave =
          leaves.empty() ? "-" : Millis(SpreadOf(leaves)) + " n=" + std::to_string(leaves.size());
    const Description& d = kDescriptions[line];
    rows.push_back(std::string(d.label) + " RTF (" + std::to_string(RtfOfSize(d.size).size()) +
                   " B)\t" + show + "\t" + leave);
  }

  Print("Medians of " + std::to_string(runs) + " runs (least-most), " +
        std::to_string(sizeof(void*) * 8) + "-bit build under Wine");
  Row("", "tolvane.exe", "baseline");
  Row("(a) start to visible window", Millis(SpreadOf(launcherStarts)),
      Millis(SpreadOf(baselineStarts)));
  Row("(a) ... with 240 KB of placeholders", Millis(SpreadOf(placeholderStarts)), "");
  Row("(d) peak working set after start", MiB(launcherPeakAtStart), MiB(baselinePeak));
  Row("(d) ... after selecting the 2 MB RTF", launcherPeakAfterLargest, "");
  Print("");
  Print("(b) one selection (WM_COMMAND LBN_SELCHANGE, handler included), alternating with the");
  Print("    2 KB start entry; a call longer than the limit ends that series");
  Row("    description", "select it", "select the 2 KB entry after it");
  for (const std::string& r : rows) {
    const std::size_t a = r.find('\t');
    const std::size_t b = r.find('\t', a + 1);
    Row("    " + r.substr(0, a), r.substr(a + 1, b - a - 1), r.substr(b + 1));
  }
}

// About `size` bytes of plain text in short numbered lines, none of them a
// section heading.
std::string LinesOfSize(std::size_t size) {
  const std::string line = Cp932(" 表示ソフトの本体マニュアルです。手順と注意を書きます。\r\n");
  std::string text;
  for (int n = 1; text.size() < size; ++n)
    text += std::to_string(n) + line;
  return text;
}

// Line 1 of the launcher selected `runs` times, each time after line 0: the
// median of the selections, or the limit when one took longer.
std::string TimedSeries(const Started& launcher, int runs, DWORD limitMs) {
  std::vector<double> shows;
  for (int i = 0; i < runs; ++i) {
    double ms = 0;
    if (!TimedSelect(launcher, 1, limitMs, ms))
      return Format("> %.0f s (stopped)", limitMs / 1000.0);
    shows.push_back(ms);
    if (!TimedSelect(launcher, 0, limitMs, ms))
      break;
  }
  return Millis(SpreadOf(shows)) + " n=" + std::to_string(shows.size());
}

// The same plain text shown as an entry's own description and as that entry's
// section of a combined "/d:" document, which the launcher loads into its
// hidden buffer at start.
void MeasureCombinedDocument(int runs, DWORD limitMs) {
  Print("");
  Print("(e) plain text in short lines as an entry's readme.txt, and as its section of a");
  Print("    combined /d: document: one selection (alternating with a short entry), and the");
  Print("    start to a visible window with the document");
  Row("    text", "readme.txt: select it", "/d: start; select the section");
  for (const std::size_t size : {std::size_t{64 * 1024}, std::size_t{256 * 1024}}) {
    const std::string text = LinesOfSize(size);
    FixtureDisc disc({{"AutoRun.KWP", "start\r\ns\r\ntool.exe\r\ntext\r\nbig\r\ntool.exe\r\n"},
                      {"s\\tool.exe", "MZ"},
                      {"s\\readme.txt", "short"},
                      {"big\\tool.exe", "MZ"},
                      {"big\\readme.txt", text},
                      {"combined.txt", "//1\r\nshort\r\n//2\r\n" + text + "//\r\n"}});
    std::string ownFile, start, section;
    {
      Started launcher(disc.Program(), ids::kMainWindowClass);
      launcher.Settle();
      ownFile = TimedSeries(launcher, runs, limitMs);
    }
    {
      Started launcher(disc.Program(), ids::kMainWindowClass, L"/d:combined.txt", limitMs);
      start = Millis(SpreadOf({launcher.ToWindowMs()}));
      launcher.Settle();
      section = TimedSeries(launcher, runs, limitMs);
    }
    Row("    " + std::to_string(text.size()) + " B, " +
            std::to_string(std::count(text.begin(), text.end(), '\n')) + " lines",
        ownFile, start + "; " + section);
  }
}

}  // namespace

int RunBench(int runs, int limitSeconds) {
  try {
    const DWORD limitMs = static_cast<DWORD>(std::max(limitSeconds, 1)) * 1000;
    Measure(std::max(runs, 1), limitMs);
    MeasureCombinedDocument(std::max(runs, 1), limitMs);
  } catch (const CaseAborted&) {
    return 1;
  } catch (const std::exception& e) {
    Print(std::string("error: ") + e.what());
    return 1;
  }
  return 0;
}

}  // namespace e2e
