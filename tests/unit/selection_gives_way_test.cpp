// Events that run while a description loads: the window ends up showing the
// line that is selected when the last handler returns.
#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <functional>

#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;
using Event = std::function<void(LauncherFixture&)>;

Event Pick(int line) {
  return [line](LauncherFixture& l) { l.Select(line); };
}
Event ShowText(bool on) {
  return [on](LauncherFixture& l) { l.form->CheckBox2.SetChecked(on); };
}
const Event kClose = [](LauncherFixture& l) { l.form->Close(); };
const Event kEnter = [](LauncherFixture& l) {
  unsigned short key = 13;
  l.form->ListBox1KeyDown(l.form->ListBox1, key, false);
};

// What the window shows for one line.
struct Shown {
  std::string pane, paneHint;
  Color color;
  std::string runCaption;
  bool run, folder;
  std::string listHint, currentFolder;
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
  *os << "{pane \"" << s.pane << "\", hint \"" << s.paneHint << "\", colour " << s.color << ", \""
      << s.runCaption << "\" " << (s.run ? "on" : "off") << ", folder " << (s.folder ? "on" : "off")
      << ", list hint \"" << s.listHint << "\", in \"" << s.currentFolder << "\"}";
}

Shown ShownBy(LauncherFixture& l) {
  const TForm1& f = *l.form;
  return {f.RichEdit1.Text(),
          f.RichEdit1.Hint(),
          f.RichEdit1.GetFont().color,
          f.Button1.Caption(),
          f.Button1.Enabled() && f.N2.Enabled(),
          f.Button4.Enabled() && f.N4.Enabled(),
          f.ListBox1.Hint(),
          l.platform.CurrentDirectory()};
}

constexpr const char* kRun = "実行(&R)";
const Shown kLineA{"説明A", "readme.txt", kColorWindowText, kRun, true, true, "A", "Q:\\disc\\a"};
const Shown kLineB{"説明B", "readme.txt", kColorWindowText, kRun, true, true, "B", "Q:\\disc\\b"};
const Shown kLineC{"指定した実行ファイルは存在しません\n説明C",
                   "readme.txt",
                   kColorWindowText,
                   kRun,
                   false,
                   true,
                   "実行ファイルがありません",
                   "Q:\\disc\\c"};
const Shown kLineD{"説明D", "readme.txt", kColorWindowText, kRun, true, true, "D", "Q:\\disc\\d"};
const Shown kLineBTextOff{"", "", kColorWindowText, kRun, true, true, "B", "Q:\\disc\\b"};

TEST(SelectionGivesWay, EventsDuringLoading) {
  struct Case {
    const char* name;
    int line;  // selected by the user; -1: the first description at start-up
    // Run one at a time, each at the next processing of pending messages.
    std::vector<Event> events;
    std::optional<Shown> shown;  // nullopt: what was shown when the window closed
  } cases[] = {
      {"another line", 0, {Pick(1)}, kLineB},
      {"a line with a missing program", 1, {Pick(2)}, kLineC},
      {"from a missing program to a present one", 2, {Pick(1)}, kLineB},
      {"three lines in a row", 0, {Pick(1), Pick(2), Pick(3)}, kLineD},
      {"back to the loading line", 0, {Pick(1), Pick(0)}, kLineA},
      {"text off", 1, {ShowText(false)}, kLineBTextOff},
      {"text off and on", 2, {ShowText(false), ShowText(true)}, kLineC},
      {"text off, then another line", 0, {ShowText(false), Pick(1)}, kLineBTextOff},
      {"another line at start-up", -1, {Pick(1)}, kLineB},
      {"close", 0, {kClose}, std::nullopt},
      {"close at start-up", -1, {kClose}, std::nullopt},
      // The Run button still has the older line's state: nothing may start.
      {"Enter on a missing program still loading", 1, {Pick(2), kEnter}, kLineC},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP",
               "A\r\na\r\na.exe\r\nB\r\nb\r\nb.exe\r\nC\r\nc\r\ngone.exe\r\n"
               "D\r\nd\r\nd.exe\r\n");
    l.DiscFile("Autorun.wav", "RIFF");
    for (const char* line : {"a", "b", "c", "d"}) {
      l.DiscFile(std::string(line) + "\\readme.txt",
                 std::string("説明") + char(std::toupper(*line)));
      if (*line != 'c')
        l.DiscFile(std::string(line) + "\\" + line + ".exe", "MZ");
    }
    std::deque<Event> pending(c.events.begin(), c.events.end());
    std::optional<Shown> atClose;
    auto arm = [&] {
      l.platform.onProcessMessages = [&] {
        if (pending.empty())
          return;
        const Event event = pending.front();
        pending.pop_front();
        event(l);
        if (l.form->Closed())
          atClose = ShownBy(l);
      };
    };
    if (c.line < 0)
      arm();
    ASSERT_TRUE(l.Start());
    if (c.line >= 0) {
      arm();
      l.Select(c.line);
    }
    EXPECT_TRUE(pending.empty());
    EXPECT_TRUE(l.platform.shellCalls.empty());
    if (c.shown) {
      EXPECT_EQ(ShownBy(l), *c.shown);
      continue;
    }
    // Nothing changes after the close, and a window closed at start-up
    // neither plays its sound nor shows itself.
    ASSERT_TRUE(atClose);
    EXPECT_EQ(ShownBy(l), *atClose);
    if (c.line < 0) {
      EXPECT_FALSE(l.form->Shown());
      EXPECT_EQ(l.platform.mciCommands, std::vector<std::string>{"close FILE"});
    }
  }
}

}  // namespace
}  // namespace tolvane
