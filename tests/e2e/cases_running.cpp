// Running the selected entry: a program started with its parameters in its
// folder, the shell's failures and questions as the user sees them. Every
// question is answered No: a power action must never run under Wine, where
// it ends the whole session.
#include <optional>

#include "cases.h"
#include "check.h"
#include "fixture_disc.h"
#include "launcher.h"
#include "main_window.h"
#include "message_box.h"
#include "platform/win32/control_ids.h"
#include "probe_log.h"
#include "selection_window.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

enum class Trigger { RunButton, EnterKey, DoubleClick };

enum class Answer { Ok, No };  // no Yes: see above

struct BoxSeen {
  ExpectedBox box;
  Answer answer;
};

struct RunCase {
  std::string_view name;
  Entry entry;  // the menu's only entry, selected at start
  std::vector<DiscFile> files = {};
  std::string_view probe = {};  // where the probe lies on the disc, if anywhere
  Trigger by;
  // What the launch must give: the probe started with exactly these
  // parameters (UTF-8), or one message box.
  std::optional<std::string_view> probeSees = {};
  std::optional<BoxSeen> box = {};
  std::string_view deleteBeforeRun = {};  // a file removed after the selection
  // A file another program holds open without sharing while the launcher
  // starts, and the box it shows for it, answered before the window.
  std::string_view heldOpen = {};
  std::optional<ExpectedBox> atStart = {};
  bool aboutQueued = false;  // a click on About queued right behind the run
};

void Run(const Window& w, Trigger by) {
  switch (by) {
    case Trigger::RunButton:
      PostClick(w.run);
      break;
    case Trigger::EnterKey:
      PostKey(w.list, VK_RETURN);
      break;
    case Trigger::DoubleClick:
      PostDoubleClick(w.main, w.list);
      break;
  }
}

std::wstring Comparable(std::wstring folder) {
  if (!folder.empty() && folder.back() == L'\\')
    folder.pop_back();
  CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
  return folder;
}

void RunRunCase(const RunCase& c) {
  std::vector<DiscFile> files = c.files;
  files.push_back({"AutoRun.KWP", MenuText({c.entry})});
  if (!c.probe.empty())
    files.push_back(ProbeFile(std::string(c.probe)));
  FixtureDisc disc(files);
  HANDLE held = INVALID_HANDLE_VALUE;
  if (!c.heldOpen.empty()) {
    held = CreateFileW(disc.Path(c.heldOpen).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                       nullptr);
    if (held == INVALID_HANDLE_VALUE)
      Abort("cannot hold " + std::string(c.heldOpen) + " open");
  }
  Launcher launcher(disc.Program());
  if (c.atStart) {
    const HWND box = launcher.WaitForMessageBox();
    ExpectMessageBox(box, *c.atStart);
    if (!AnswerMessageBox(box, IDOK))
      Abort("the message box has no OK button");
  }
  const Window w = WindowOf(launcher.WaitForMainWindow());
  if (held != INVALID_HANDLE_VALUE)
    CloseHandle(held);
  if (!c.deleteBeforeRun.empty() && !DeleteFileW(disc.Path(c.deleteBeforeRun).c_str()))
    Abort("cannot delete " + std::string(c.deleteBeforeRun));
  if (c.aboutQueued) {
    launcher.Pause();
    Run(w, c.by);
    PostClick(RequireControl(w.main, tolvane::ids::kButton3, "Button3"));
    launcher.Resume();
    // The About box opens while the launch waits; the launch goes on once it is closed.
    HWND about = nullptr;
    WaitUntil(kWindowTimeoutMs, [&] {
      about = FindTopLevel(launcher.ProcessId(), tolvane::ids::kDialogWindowClass, true);
      return about != nullptr;
    });
    if (!about)
      Abort("expected the About box, got " + DescribeWindows(launcher.ProcessId()));
    PostMessageW(about, WM_CLOSE, 0, 0);
  } else {
    Run(w, c.by);
  }

  if (c.box) {
    const HWND box = launcher.WaitForMessageBox();
    ExpectMessageBox(box, c.box->box);
    if (!AnswerMessageBox(box, c.box->answer == Answer::Ok ? IDOK : IDNO))
      Abort("the message box has no such button");
    ExpectTrue("the message box closed",
               WaitUntil(kWindowTimeoutMs, [&] { return !IsWindow(box); }));
  }
  if (c.probeSees) {
    const std::wstring probe = disc.Path(c.probe);
    const std::optional<ProbeRun> run = WaitForProbeRun(probe, kWindowTimeoutMs);
    if (!run)
      Abort("expected the probe to start, it did not");
    ExpectText("the probe's parameters", *c.probeSees, run->parameters);
    const std::wstring folder = probe.substr(0, probe.find_last_of(L'\\'));
    ExpectEqual("the probe's current folder", Comparable(folder), Comparable(run->folder));
  }
  // Over: the controls are back, and nothing else was opened. The handler
  // processes pending messages before it enables them again, so a settled
  // window alone does not prove the handler has returned.
  Settle(w.main);
  WaitUntil(kWindowTimeoutMs, [&] { return Enabled(w.run) && Enabled(w.list); });
  ExpectEnabled("Button1 after the run", true, w.run);
  ExpectEnabled("the list after the run", true, w.list);
  ExpectTrue("the launcher still running", launcher.Running());
  ExpectEqual("visible message boxes after the run", 0,
              FindTopLevel(launcher.ProcessId(), kDialogClass, true) != nullptr);
}

const RunCase kRunCases[] = {
    {.name = "run_program_with_parameters",
     .entry = {"プローブ", "Setup", "probe.exe /a  b //c \"d e\""},
     .probe = "Setup\\probe.exe",
     .by = Trigger::RunButton,
     .probeSees = "a  b //c \"d e\""},
    {.name = "run_program_in_trail_byte_folder",
     .entry = {"ソフト", "ソフト表", "probe.exe"},
     .probe = "ソフト表\\probe.exe",
     .by = Trigger::EnterKey,
     .probeSees = ""},
    {.name = "run_program_by_double_click",
     .entry = {"プローブ", "Tools", "probe.exe/x"},
     .probe = "Tools\\probe.exe",
     .by = Trigger::DoubleClick,
     .probeSees = "x"},
    {.name = "run_unassociated_document",
     .entry = {"文書", "Docs", "notes.zqx"},
     .files = {{"Docs\\notes.zqx", "text"}},
     .by = Trigger::RunButton,
     .box = BoxSeen{{"指定されたファイル拡張子に関連付けられたアプリケーションがありません。\n\r"
                     "notes.zqx をメモ帳で開きますか？",
                     "システムエラー", BoxIcon::Hand},
                    Answer::No}},
    {.name = "run_deleted_target",
     .entry = {"プログラム", "Setup", "probe.exe"},
     .probe = "Setup\\probe.exe",
     .by = Trigger::EnterKey,
     .box = BoxSeen{{"指定されたファイルが見つかりませんでした。存在しないか、削除された可能性が"
                     "あります。",
                     "システムエラー", BoxIcon::Hand},
                    Answer::Ok},
     .deleteBeforeRun = "Setup\\probe.exe"},
    {.name = "run_after_an_unreadable_description",
     .entry = {"プローブ", "Setup", "probe.exe /x"},
     .files = {{"Setup\\readme.txt", "説明"}},
     .probe = "Setup\\probe.exe",
     .by = Trigger::EnterKey,
     .probeSees = "x",
     .heldOpen = "Setup\\readme.txt",
     .atStart = ExpectedBox{"Sharing violation.", "Tolvane", BoxIcon::Hand}},
    {.name = "run_with_about_queued_behind",
     .entry = {"プローブ", "Setup", "probe.exe"},
     .probe = "Setup\\probe.exe",
     .by = Trigger::RunButton,
     .probeSees = "",
     .aboutQueued = true},
    {.name = "run_logoff_answered_no",
     .entry = {"ログオフ", ".", "?logoff"},
     .by = Trigger::RunButton,
     .box = BoxSeen{{"ログオフしてよろしいですか？", "ログオフ", BoxIcon::Asterisk}, Answer::No}},
};

}  // namespace

std::vector<Case> RunningCases() {
  return CasesOf(kRunCases, RunRunCase);
}

}  // namespace e2e
