// Picking a line of the list: the action buttons, the folder the launcher
// works in, and switching the description off and on.
#include <algorithm>
#include <optional>

#include "cases.h"
#include "check.h"
#include "disc_checker.h"
#include "fixture_disc.h"
#include "launcher.h"
#include "list_box.h"
#include "main_window.h"
#include "platform/win32/control_ids.h"
#include "remote.h"
#include "selection_window.h"
#include "support/mini_json.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

namespace ids = tolvane::ids;

// --- The run button per kind of target -----------------------------------------

struct RunButton {
  std::string_view caption;
  bool runEnabled;
  bool folderEnabled;
};

// One line per kind of target, with what Button1 and Button4 show for it.
struct KindLine {
  Entry entry;
  RunButton expected;
};

const std::vector<KindLine> kKindLines = {
    {{"プログラム", "setup", "setup.exe"}, {"実行(&R)", true, true}},
    {{"ないプログラム", "setup", "missing.exe"}, {"実行(&R)", false, true}},
    {{"ホームページ", ".", "http://www.example.com/"}, {"URL接続(&O)", true, false}},
    {{"再起動", ".", "?reboot"}, {"再起動(&U)", true, false}},
    {{"指定の誤り", ".", "?x"}, {"指定ｴﾗｰ", false, false}},
    {{"説明書", "docs", "manual.txt"}, {"開く(&R)", true, true}},
};

std::vector<DiscFile> KindDisc() {
  std::vector<Entry> entries;
  for (const KindLine& k : kKindLines)
    entries.push_back(k.entry);
  return {{"AutoRun.KWP", MenuText(entries)},
          {"setup\\setup.exe", "MZ"},
          {"docs\\manual.txt", Cp932("説明書の本文\r\n")}};
}

void ExpectRunButtons(const Window& w, int line) {
  const KindLine& k = kKindLines[static_cast<std::size_t>(line)];
  const std::string where =
      " for line " + std::to_string(line) + " (" + std::string(k.entry.target) + ")";
  ExpectEqual("selected line", line, ListSelection(w.list));
  ExpectText("Button1 caption" + where, k.expected.caption, WindowText(w.run));
  ExpectEnabled("Button1" + where, k.expected.runEnabled, w.run);
  ExpectEnabled("Button4" + where, k.expected.folderEnabled, w.folder);
}

enum class PickBy { Keys, Notification };

struct RunButtonCase {
  std::string_view name;
  PickBy by;
};

void RunRunButton(const RunButtonCase& c) {
  FixtureDisc disc(KindDisc());
  Launcher launcher(disc.Program());
  const Window w = WindowOf(launcher.WaitForMainWindow());
  ExpectRunButtons(w, 0);
  const int last = static_cast<int>(kKindLines.size()) - 1;
  if (c.by == PickBy::Keys) {
    // Down to the last line and back up to the first, one key at a time.
    for (int line = 1; line <= last; ++line) {
      PressKey(w.list, VK_DOWN);
      ExpectRunButtons(w, line);
    }
    for (int line = last - 1; line >= 0; --line) {
      PressKey(w.list, VK_UP);
      ExpectRunButtons(w, line);
    }
  } else {
    for (const int line : {5, 3, 1, 4, 0, 2, 5}) {
      SelectByNotification(w.main, w.list, line);
      ExpectRunButtons(w, line);
    }
  }
}

const RunButtonCase kRunButtonCases[] = {
    {.name = "selection_changes_run_button", .by = PickBy::Keys},
    {.name = "selection_by_notification", .by = PickBy::Notification},
};

// --- The current folder -------------------------------------------------------------

void RunCurrentFolder(std::string_view) {
  FixtureDisc disc({
      {"AutoRun.KWP", MenuText({{"最初", ".", "readme.txt"},
                                {"一つ目", "Sub1", "a.exe"},
                                {"二つ目", "Sub2", "b.exe"},
                                {"ないフォルダ", "Gone", "c.exe"}})},
      {"readme.txt", Cp932("説明")},
      {"Sub1\\a.exe", "MZ"},
      {"Sub2\\b.exe", "MZ"},
  });
  Launcher launcher(disc.Program());
  const Window w = WindowOf(launcher.WaitForMainWindow());
  auto normal = [](std::wstring folder) {
    if (!folder.empty() && folder.back() == L'\\')
      folder.pop_back();
    CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    return folder;
  };
  struct Step {
    UINT key;  // 0: as started
    int line;
    std::string_view folder;  // relative to the disc; "" for its root
  };
  const Step steps[] = {
      {0, 0, ""},
      {VK_DOWN, 1, "Sub1"},
      {VK_DOWN, 2, "Sub2"},
      {VK_UP, 1, "Sub1"},
      {VK_DOWN, 2, "Sub2"},
      // A folder that does not exist leaves the launcher in the menu's folder.
      {VK_DOWN, 3, ""},
  };
  for (const Step& s : steps) {
    if (s.key != 0)
      PressKey(w.list, s.key);
    ExpectEqual("selected line", s.line, ListSelection(w.list));
    const std::wstring expected = s.folder.empty() ? disc.Root() : disc.Path(s.folder);
    const std::wstring got = CurrentFolderOf(launcher.Process());
    if (normal(expected) != normal(got))
      Fail("launcher's current folder with line " + std::to_string(s.line) +
           " selected: expected " + Quoted(expected) + ", got " + Quoted(got));
  }
}

// --- Showing the text or not --------------------------------------------------------

void RunTextSwitch(std::string_view) {
  FixtureDisc disc({
      {"AutoRun.KWP", MenuText({{"最初", ".", "readme.txt"}, {"二番目", "Sub", "a.exe"}})},
      {"readme.txt", Cp932("最初の説明")},
      {"Sub\\a.exe", "MZ"},
      {"Sub\\readme.txt", Cp932("二番目の説明")},
  });
  Launcher launcher(disc.Program());
  const HWND main = launcher.WaitForMainWindow();
  const Window w = WindowOf(main);
  const HWND showText = RequireControl(main, ids::kCheckBox2, "CheckBox2");
  struct Step {
    std::string_view what;
    std::function<void()> act;
    bool checked;
    std::string_view text;
  };
  const Step steps[] = {
      {"as started", [] {}, true, "最初の説明"},
      {"after switching the text off", [&] { Click(showText); }, false, ""},
      {"after picking the next line with the text off", [&] { PressKey(w.list, VK_DOWN); }, false,
       ""},
      {"after switching the text on", [&] { Click(showText); }, true, "二番目の説明"},
      {"after switching it off again", [&] { Click(showText); }, false, ""},
      {"after picking the first line with the text off", [&] { PressKey(w.list, VK_UP); }, false,
       ""},
      {"after switching it on again", [&] { Click(showText); }, true, "最初の説明"},
  };
  for (const Step& s : steps) {
    s.act();
    ExpectEqual("CheckBox2 checked (1) or not (0) " + std::string(s.what), s.checked,
                Checked(showText));
    ExpectText("pane text " + std::string(s.what), s.text, PaneText(w.pane));
  }
}

// --- Keys queued while a description loads ------------------------------------------

// Lines 2 to 4 are selected by keys queued while line 1's long description
// loads: each selection starts inside the one before it, and the window must
// end up with the last line's description, button and hints.
void RunQueuedKeys(std::string_view) {
  std::string longRtf = "{\\rtf1\\ansi\\ansicpg932 ";
  while (longRtf.size() < 768 * 1024)
    longRtf += "{\\b " + Cp932("長い説明") + "} " + Cp932("の一段落です。") + "\\par\r\n";
  longRtf += "}";
  FixtureDisc disc({
      {"AutoRun.KWP", MenuText({{"最初", ".", "readme.txt"},
                                {"長い説明", "Long", "a.exe"},
                                {"ない実行ファイル", "Two", "missing.exe"},
                                {"三番目", "Three", "c.exe"},
                                {"四番目", "Four", "d.exe"}})},
      {"readme.txt", Cp932("最初の説明")},
      {"Long\\a.exe", "MZ"},
      {"Long\\readme.txt", longRtf},
      {"Two\\readme.txt", Cp932("二番目の説明")},
      {"Three\\c.exe", "MZ"},
      {"Three\\readme.txt", Cp932("三番目の説明")},
      {"Four\\d.exe", "MZ"},
      {"Four\\readme.txt", Cp932("四番目の説明")},
  });
  Launcher launcher(disc.Program());
  const Window w = WindowOf(launcher.WaitForMainWindow());
  PostKey(w.list, VK_DOWN);
  Sleep(100);  // line 1 is loading now
  for (int key = 0; key < 3; ++key)
    PostKey(w.list, VK_DOWN);
  // A read is answered only where the launcher reads its messages: inside a
  // selection before its document loads, or once every handler has returned.
  // The pane that held the long text is replaced by a new control.
  const std::string_view expected = "四番目の説明";
  auto pane = [&] { return WindowOf(w.main).pane; };
  for (int waited = 0; waited < 15000 && PaneText(pane()) != Wide(expected); waited += 50)
    Sleep(50);
  Settle(w.main);
  ExpectEqual("selected line", 4, ListSelection(w.list));
  ExpectText("pane text", expected, PaneText(pane()));
  ExpectText("Button1 caption", "実行(&R)", WindowText(w.run));
  ExpectEnabled("Button1", true, w.run);
  ExpectEnabled("Button4", true, w.folder);
  ExpectHint(w.main, w.list, "ListBox1", "四番目");
  ExpectHint(w.main, pane(), "RichEdit1", "readme.txt");
}

// --- What the disc checker says of the same disc -----------------------------------

// tolvane-check runs the launcher's logic headless: on the sample disc it
// must report, line by line, the caption, buttons and description the window
// shows.
void RunCheckerAgrees(std::string_view) {
  FixtureDisc disc(ExamplesDisc());
  const testjson::Value report = testjson::Parse(CheckerJson(disc.Root()));
  Launcher launcher(disc.Program());
  const Window w = WindowOf(launcher.WaitForMainWindow());
  const std::vector<std::wstring> captions = ListItems(w.list);
  const std::vector<testjson::Value>& entries = report["entries"].items;
  ExpectEqual("entries the checker reports", static_cast<long long>(captions.size()),
              static_cast<long long>(entries.size()));
  for (std::size_t i = 0; i < std::min(captions.size(), entries.size()); ++i) {
    const std::string line = "line " + std::to_string(i + 1) + " ";
    const testjson::Value& action = entries[i]["action"];
    const testjson::Value& description = entries[i]["description"];
    SelectByNotification(w.main, w.list, static_cast<int>(i));
    Settle(w.main);
    const HWND pane = WindowOf(w.main).pane;
    ExpectEqual(line + "caption", Wide(entries[i]["caption"].text), captions[i]);
    ExpectEnabled(line + "Button1", action["run"].text == "enabled", w.run);
    ExpectEqual(line + "Button1 caption", Wide(action["runCaption"].text), WindowText(w.run));
    ExpectEnabled(line + "Button4", action["folderButton"].text == "enabled", w.folder);
    if (description["source"].text != "file") {
      ExpectEqual(line + "pane", Wide(description["text"].text), PaneText(pane));
      continue;
    }
    ExpectHint(w.main, pane, line + "RichEdit1", description["hint"].text);
    if (action.members.count("notice"))
      ExpectTrue(line + "pane beginning with " + action["notice"].text,
                 PaneText(pane).starts_with(Wide(action["notice"].text + "\n")));
  }
}

struct NamedCase {
  std::string_view name;
  void (*run)(std::string_view);
};

const NamedCase kOtherCases[] = {
    {.name = "current_folder_follows_selection", .run = RunCurrentFolder},
    {.name = "text_switched_off", .run = RunTextSwitch},
    {.name = "keys_queued_while_loading", .run = RunQueuedKeys},
    {.name = "checker_agrees_with_the_window", .run = RunCheckerAgrees},
};

}  // namespace

std::vector<Case> SelectionCases() {
  std::vector<Case> cases = CasesOf(kRunButtonCases, RunRunButton);
  const std::vector<Case> others = CasesOf(kOtherCases, [](const NamedCase& c) { c.run(c.name); });
  cases.insert(cases.end(), others.begin(), others.end());
  return cases;
}

}  // namespace e2e
