// Timings and memory of the launcher against its floors (a bare window, a
// window with the rich-edit control, every window the launcher shows), for
// tools/bench. Nothing is judged; exits non-zero only when a program could
// not be run.
//
//   tolvane_bench.exe [RUNS [LIMIT_S]]
//
// Runs every measurement RUNS times (default 11) and prints the medians; a
// selection that takes longer than LIMIT_S seconds (default 60) ends its
// series. It writes its discs with the end-to-end driver's helpers.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "check.h"
#include "fixture_disc.h"
#include "platform/win32/control_ids.h"
#include "started.h"
#include "text.h"

namespace bench {

using e2e::CaseAborted;
using e2e::Cp932;
using e2e::DiscFile;
using e2e::DriverFolder;
using e2e::FixtureDisc;
using e2e::Print;

namespace {

namespace ids = tolvane::ids;

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

std::string Ratio(double ours, double floor) {
  return ours > 0 && floor > 0 ? Format("%.2f x", ours / floor) : "-";
}

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

// Plain code page 932 text of about `size` bytes in CR LF lines.
std::string TextOfSize(std::size_t size) {
  const std::string line =
      Cp932("表示ソフトの本体マニュアルです。インストールの手順と注意を書きます。") + "\r\n";
  std::string text;
  while (text.size() + line.size() <= size)
    text += line;
  return text;
}

void Row(const std::string& what, const std::string& ours, const std::string& floor,
         const std::string& ratio) {
  char line[256];
  snprintf(line, sizeof line, "%-40s %-24s %-24s %s", what.c_str(), ours.c_str(), floor.c_str(),
           ratio.c_str());
  Print(line);
}

struct Description {
  std::string_view label;
  std::size_t size;
  bool rtf;
};

// Line 0 is where every selection starts from and returns to; the lines
// after it are the measured ones.
const Description kDescriptions[] = {
    {"start", 2 * 1024, true},           {"2 KB RTF", 2 * 1024, true},
    {"64 KB RTF", 64 * 1024, true},      {"256 KB RTF", 256 * 1024, true},
    {"2 MB RTF", 2 * 1024 * 1024, true}, {"2 MB text", 2 * 1024 * 1024, false},
};
constexpr int kLargestRtfLine = 4;
constexpr int kLines = static_cast<int>(std::size(kDescriptions));

std::vector<DiscFile> BenchDisc() {
  std::string menu;
  std::vector<DiscFile> files;
  int line = 0;
  for (const Description& d : kDescriptions) {
    const std::string folder = "d" + std::to_string(line++);
    menu += std::string(d.label) + "\r\n" + folder + "\r\ntool.exe\r\n";
    files.push_back({folder + "\\tool.exe", "MZ"});
    files.push_back({folder + "\\readme.txt", d.rtf ? RtfOfSize(d.size) : TextOfSize(d.size)});
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

// The launcher and its floors on one disc.
struct Programs {
  BenchProgram launcher, bare, richEditFloor, windowFloor;
};

Programs ProgramsOn(const FixtureDisc& disc) {
  // The build puts the floors in this program's folder.
  const std::wstring built = DriverFolder();
  return {
      {disc.Program(), ids::kMainWindowClass, L"", disc.Root(), true},
      {built + L"\\baseline.exe", L"TolvaneBaseline", L"", built, false},
      {built + L"\\bench_richedit_floor.exe", L"TolvaneBenchRichEditFloor", L"", disc.Root(),
       false},
      {built + L"\\bench_window_floor.exe", L"TolvaneBenchWindowFloor", L"windows", disc.Root(),
       false},
  };
}

// One program's selections of one line, each followed by the return to
// line 0; a call longer than the limit ends the series.
struct Series {
  std::vector<double> shows, leaves;
  bool stopped = false;
};

// Selects `line` and returns to line 0 once; a program still busy after the
// limit is replaced by a new one.
void SelectAndLeave(std::unique_ptr<Started>& program, const BenchProgram& what, int line,
                    DWORD limitMs, Series& series) {
  if (series.stopped)
    return;
  double ms = 0;
  if (program->TimedSelect(line, limitMs, ms)) {
    series.shows.push_back(ms);
    if (program->TimedSelect(0, limitMs, ms)) {
      series.leaves.push_back(ms);
      return;
    }
  }
  series.stopped = true;
  program->Terminate();
  program = std::make_unique<Started>(what);
  program->Settle();
}

std::string Column(const std::vector<double>& values, bool stopped, const std::string& limit) {
  if (values.empty())
    return stopped ? limit : "-";
  return Millis(SpreadOf(values)) + (stopped ? " (then stopped)" : "");
}

std::string RatioOf(const std::vector<double>& ours, const std::vector<double>& floor) {
  if (ours.empty() || floor.empty())
    return "-";
  return Ratio(SpreadOf(ours).median, SpreadOf(floor).median);
}

void Measure(int runs, DWORD limitMs) {
  FixtureDisc disc(BenchDisc());
  const Programs p = ProgramsOn(disc);
  const BenchProgram* const all[] = {&p.launcher, &p.bare, &p.richEditFloor, &p.windowFloor};

  // One start of each first: Wine maps its libraries on the first run.
  for (const BenchProgram* program : all)
    Started warm(*program);

  // (a) start-up, interleaved.
  std::vector<double> starts[std::size(all)];
  for (int i = 0; i < runs; ++i)
    for (std::size_t k = 0; k < std::size(all); ++k)
      starts[k].push_back(Started(*all[k]).ToWindowMs());
  std::vector<double> placeholderStarts;
  {
    FixtureDisc placeholders(PlaceholderDisc());
    BenchProgram launcher = p.launcher;
    launcher.path = placeholders.Program();
    launcher.folder = placeholders.Root();
    for (int i = 0; i < runs; ++i)
      placeholderStarts.push_back(Started(launcher).ToWindowMs());
  }

  // (b) selections, the launcher's alternating with the rich-edit floor's.
  const std::string limit = Format("> %.0f s (stopped)", limitMs / 1000.0);
  auto launcher = std::make_unique<Started>(p.launcher);
  auto floor = std::make_unique<Started>(p.richEditFloor);
  launcher->Settle();
  floor->Settle();
  std::vector<std::pair<Series, Series>> series(kLines);
  for (int line = 1; line < kLines; ++line) {
    auto& [ours, floors] = series[line];
    for (int i = 0; i < runs && !(ours.stopped && floors.stopped); ++i) {
      SelectAndLeave(launcher, p.launcher, line, limitMs, ours);
      SelectAndLeave(floor, p.richEditFloor, line, limitMs, floors);
    }
  }
  launcher.reset();
  floor.reset();

  // (d) memory in use after start, after the largest RTF and after the
  // return to the start entry, against the window floor.
  SIZE_T memory[3][2] = {};
  const BenchProgram* const measured[] = {&p.launcher, &p.windowFloor};
  for (int k = 0; k < 2; ++k) {
    Started program(*measured[k]);
    program.Settle();
    memory[0][k] = program.WorkingSet();
    double ms = 0;
    if (program.TimedSelect(kLargestRtfLine, limitMs, ms)) {
      program.Settle();
      memory[1][k] = program.WorkingSet();
      if (program.TimedSelect(0, limitMs, ms)) {
        program.Settle();
        memory[2][k] = program.WorkingSet();
      }
    }
  }
  SIZE_T bareMemory = 0, richEditMemory = 0;
  {
    Started bare(p.bare), richEdit(p.richEditFloor);
    bare.Settle();
    richEdit.Settle();
    bareMemory = bare.WorkingSet();
    richEditMemory = richEdit.WorkingSet();
  }

  Print("Medians of " + std::to_string(runs) + " interleaved runs (least-most), " +
        std::to_string(sizeof(void*) * 8) + "-bit builds under Wine");
  Print("");
  Print("(a) start to a visible window");
  Row("", "tolvane.exe", "floor", "ratio");
  const double oursStart = SpreadOf(starts[0]).median;
  const char* const floorNames[] = {"", "bare window", "rich-edit floor", "window floor"};
  for (std::size_t k = 1; k < std::size(all); ++k)
    Row(std::string("    against the ") + floorNames[k], Millis(SpreadOf(starts[0])),
        Millis(SpreadOf(starts[k])), Ratio(oursStart, SpreadOf(starts[k]).median));
  Row("    with 240 KB of placeholders", Millis(SpreadOf(placeholderStarts)), "", "");
  Print("");
  Print("(b) one selection (WM_COMMAND LBN_SELCHANGE, handler included) against the rich-edit");
  Print("    floor streaming the same text; each followed by the return to the 2 KB start entry");
  Row("", "tolvane.exe", "rich-edit floor", "ratio");
  for (int line = 1; line < kLines; ++line) {
    const auto& [ours, floors] = series[line];
    const std::string label(kDescriptions[line].label);
    Row("    select " + label, Column(ours.shows, ours.stopped, limit),
        Column(floors.shows, floors.stopped, limit), RatioOf(ours.shows, floors.shows));
    Row("    ... and leave it", Column(ours.leaves, ours.stopped, limit),
        Column(floors.leaves, floors.stopped, limit), RatioOf(ours.leaves, floors.leaves));
  }
  Print("");
  Print("(d) working set against the window floor (bare window " + MiB(bareMemory) +
        ", rich-edit floor " + MiB(richEditMemory) + ")");
  Row("", "tolvane.exe", "window floor", "ratio");
  const char* const moments[] = {"    after start", "    after selecting the 2 MB RTF",
                                 "    back on the 2 KB entry"};
  for (int m = 0; m < 3; ++m)
    Row(moments[m], memory[m][0] ? MiB(memory[m][0]) : "-", memory[m][1] ? MiB(memory[m][1]) : "-",
        Ratio(static_cast<double>(memory[m][0]), static_cast<double>(memory[m][1])));
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
    if (!launcher.TimedSelect(1, limitMs, ms))
      return Format("> %.0f s (stopped)", limitMs / 1000.0);
    shows.push_back(ms);
    if (!launcher.TimedSelect(0, limitMs, ms))
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
  Row("    text", "readme.txt: select it", "/d: start; select the section", "");
  for (const std::size_t size : {std::size_t{64 * 1024}, std::size_t{256 * 1024}}) {
    const std::string text = LinesOfSize(size);
    FixtureDisc disc({{"AutoRun.KWP", "start\r\ns\r\ntool.exe\r\ntext\r\nbig\r\ntool.exe\r\n"},
                      {"s\\tool.exe", "MZ"},
                      {"s\\readme.txt", "short"},
                      {"big\\tool.exe", "MZ"},
                      {"big\\readme.txt", text},
                      {"combined.txt", "//1\r\nshort\r\n//2\r\n" + text + "//\r\n"}});
    BenchProgram program{disc.Program(), ids::kMainWindowClass, L"", disc.Root(), true};
    std::string ownFile, start, section;
    {
      Started launcher(program);
      launcher.Settle();
      ownFile = TimedSeries(launcher, runs, limitMs);
    }
    program.parameters = L"/d:combined.txt";
    try {
      Started launcher(program, limitMs);
      start = Millis(SpreadOf({launcher.ToWindowMs()}));
      launcher.Settle();
      section = TimedSeries(launcher, runs, limitMs);
    } catch (const CaseAborted&) {
      start = Format("> %.0f s (stopped)", limitMs / 1000.0);
      section = "-";
    }
    Row("    " + std::to_string(text.size()) + " B, " +
            std::to_string(std::count(text.begin(), text.end(), '\n')) + " lines",
        ownFile, start + "; " + section, "");
  }
}

}  // namespace

int Main(int runs, int limitSeconds) {
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

}  // namespace bench

int wmain(int argc, wchar_t** argv) {
  return bench::Main(argc > 1 ? _wtoi(argv[1]) : 11, argc > 2 ? _wtoi(argv[2]) : 60);
}
