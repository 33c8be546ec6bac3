// The command line: another menu file ("/i:"), a combined description
// document ("/d:") and the direct-open mode ("/o:"), which opens its targets
// and ends without ever showing a window.
#include "cases.h"
#include "check.h"
#include "fixture_disc.h"
#include "launcher.h"
#include "list_box.h"
#include "main_window.h"
#include "message_box.h"
#include "probe_log.h"
#include "sample_disc.h"
#include "selection_window.h"
#include "text.h"

namespace e2e {

namespace {

constexpr DWORD kProbeTimeoutMs = 10000;

struct ExpectedRun {
  std::string_view probe;
  std::wstring_view parameters;  // what the probe was started with, after one blank
};

struct CommandLineCase {
  std::string_view name;
  std::vector<DiscFile> files;
  std::vector<std::string_view> probes;  // copies of the probe put on the disc
  std::wstring_view parameters;
  // Shown in this order; each is answered No when it asks, else OK.
  std::vector<ExpectedBox> boxes = {};
  std::vector<ExpectedRun> runs = {};
  // The list when the window shows; empty: the launcher ends without one.
  std::vector<std::string_view> captions = {};
  std::string_view paneText = {};  // line ends as "\n"
  std::function<void(const Window&)> more = nullptr;
};

void Answer(HWND box) {
  // Never Yes: a power action must not reach the system.
  if (!AnswerMessageBox(box, IDNO) && !AnswerMessageBox(box, IDOK))
    Abort("the message box has neither a No nor an OK button");
}

void RunCommandLine(const CommandLineCase& c) {
  std::vector<DiscFile> files = c.files;
  for (std::string_view probe : c.probes)
    files.push_back(ProbeFile(std::string(probe)));
  FixtureDisc disc(files);
  Launcher launcher(disc.Program(), c.parameters);
  for (const ExpectedBox& expected : c.boxes) {
    const HWND box = launcher.WaitForMessageBox();
    ExpectMessageBox(box, expected);
    ExpectTrue("the main window hidden while the message shows", !launcher.MainWindowSeen());
    Answer(box);
  }
  if (c.captions.empty()) {
    launcher.ExpectExit(0);
    ExpectTrue("no window of the launcher ever shown but its messages",
               c.boxes.empty() ? !launcher.AnyWindowSeen() : !launcher.MainWindowSeen());
  } else {
    const Window w = WindowOf(launcher.WaitForMainWindow());
    ExpectLines("list", c.captions, ListItems(w.list));
    ExpectText("pane text", c.paneText, PaneText(w.pane));
    if (c.more)
      c.more(w);
  }
  for (const ExpectedRun& expected : c.runs) {
    const std::optional<ProbeRun> run = WaitForProbeRun(disc.Path(expected.probe), kProbeTimeoutMs);
    if (!run) {
      Fail("expected a run of " + std::string(expected.probe) + ", got none");
      continue;
    }
    ExpectEqual("parameters of " + std::string(expected.probe), expected.parameters,
                run->parameters);
    // A relative target is taken from the program's own folder.
    ExpectEqual("current folder of " + std::string(expected.probe), disc.Root(), run->folder);
  }
}

std::vector<DiscFile> WithSubMenu(std::vector<DiscFile> files) {
  files.push_back({"sub\\other.kwp", MenuText({{"別のメニュー", "docs", "manual.txt"}})});
  files.push_back({"sub\\docs\\manual.txt", Cp932("説明書\r\n")});
  files.push_back({"sub\\docs\\readme.txt", Cp932("サブフォルダの説明")});
  return files;
}

void SecondSection(const Window& w) {
  PressKey(w.list, VK_DOWN);
  ExpectText("pane text of the second entry", "二番目の節\n", PaneText(w.pane));
}

}  // namespace

std::vector<Case> CommandLineCases() {
  static const CommandLineCase kCases[] = {
      {.name = "direct_open_param",
       .files = {},
       .probes = {"probe.exe"},
       .parameters = L"\"/o:probe.exe %param% word\"",
       .runs = {{"probe.exe", L" word"}}},
      {.name = "direct_open_two_targets",
       .files = {},
       .probes = {"first.exe", "second.exe"},
       .parameters = L"/o:first.exe /O:second.exe",
       .runs = {{"first.exe", L""}, {"second.exe", L""}}},
      {.name = "direct_open_reboot_answered_no",
       .files = {},
       .probes = {},
       .parameters = L"/o:?REBOOT",
       .boxes = {{"再起動してよろしいですか？", "再起動", BoxIcon::Asterisk}}},
      {.name = "menu_option_second_position",
       .files = WithSubMenu(SampleDisc()),
       .probes = {},
       .parameters = L"/d:x /i:sub\\other.kwp",
       .boxes = {{"コマンドライン「I:」は、コマンドラインの一番最初にあるときのみ有効です。",
                  "Tolvane", BoxIcon::Exclamation}},
       .captions = kSampleCaptions,
       .paneText = "このディスクの説明です。\n"},
      {.name = "menu_option_subfolder",
       .files = WithSubMenu(SampleDisc()),
       .probes = {},
       .parameters = L"/i:sub\\other.kwp",
       .captions = {"別のメニュー"},
       .paneText = "サブフォルダの説明"},
      {.name = "doc_option_sections",
       .files = {{"AutoRun.KWP", MenuText({{"一番目", ".", "a.txt"}, {"二番目", ".", "b.txt"}})},
                 {"a.txt", "a"},
                 {"b.txt", "b"},
                 {"readme.txt", Cp932("使われない")},
                 {"doc.txt", Cp932("//1\r\n一番目の節\r\n//2\r\n二番目の節\r\n//\r\n")}},
       .probes = {},
       .parameters = L"/D:doc.txt",
       .captions = {"一番目", "二番目"},
       .paneText = "一番目の節\n",
       .more = SecondSection},
      // Sections read without the control, and (a "\u" character) by the hidden one.
      {.name = "doc_option_rtf_sections",
       .files = {{"AutoRun.KWP", MenuText({{"一番目", ".", "a.txt"}, {"二番目", ".", "b.txt"}})},
                 {"a.txt", "a"},
                 {"b.txt", "b"},
                 {"doc.rtf",
                  "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 Gothic;}}\\f0 //1\\par " +
                      Cp932("一番目の節") + "\\par //2\\par " + Cp932("二番目の節") +
                      "\\par //\\par}"}},
       .probes = {},
       .parameters = L"/d:doc.rtf",
       .captions = {"一番目", "二番目"},
       .paneText = "一番目の節\n",
       .more = SecondSection},
      {.name = "doc_option_rtf_read_by_the_control",
       .files = {{"AutoRun.KWP", MenuText({{"一番目", ".", "a.txt"}})},
                 {"a.txt", "a"},
                 {"doc.rtf", "{\\rtf1\\ansi //1\\par \\u12354?\\u12356?\\par //\\par}"}},
       .probes = {},
       .parameters = L"/d:doc.rtf",
       .captions = {"一番目"},
       .paneText = "あい\n"},
  };
  return CasesOf(kCases, RunCommandLine);
}

}  // namespace e2e
