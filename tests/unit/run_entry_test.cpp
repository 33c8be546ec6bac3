#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "platform/platform.h"
#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;
using testing::ShellCall;
using testing::ShownMessage;
using Calls = std::vector<ShellCall>;

// The folder a program of the entry in "Dir" starts in.
constexpr const char* kDir = "Q:\\disc\\Dir";

// One entry in "Dir" of the disc, with these files there, started and selected.
void StartWith(LauncherFixture& l, const std::string& folder, const std::string& target,
               const std::vector<std::string>& files = {}) {
  l.DiscFile("AutoRun.KWP", "項目\r\n" + folder + "\r\n" + target + "\r\n");
  l.platform.AddFolder("Q:\\disc\\Dir");
  for (const std::string& file : files)
    l.DiscFile("Dir\\" + file, "");
  ASSERT_TRUE(l.Start());
  l.platform.messages.clear();
}

TEST(Button1Click, ProgramsAndDocumentsOpenFromTheirFolderWithTheirParameters) {
  struct Case {
    std::string target;
    std::vector<std::string> files;
    Calls calls;  // empty: the Run button is disabled and nothing opens
  } const cases[] = {
      {"setup.exe /s", {"setup.exe"}, {{"OPEN", "Q:\\disc\\Dir\\setup.exe ", "s", kDir, 5}}},
      {"setup.exe //s", {"setup.exe"}, {{"OPEN", "Q:\\disc\\Dir\\setup.exe ", "/s", kDir, 5}}},
      {"a/b/c", {"a"}, {{"OPEN", "Q:\\disc\\Dir\\a", "b/c", kDir, 5}}},
      {"", {}, {{"OPEN", "Q:\\disc\\Dir\\", "", kDir, 5}}},
      {"/s", {}, {}},
      {"tool.exe ", {"tool.exe"}, {{"OPEN", "Q:\\disc\\Dir\\tool.exe ", "", kDir, 5}}},
      {"missing.exe", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("target '" + c.target + "'");
    LauncherFixture l;
    StartWith(l, "Dir", c.target, c.files);
    TForm1& f = *l.form;
    std::vector<bool> enabledWhileProcessing;
    l.platform.onProcessMessages = [&] {
      enabledWhileProcessing.push_back(f.Button1.Enabled() || f.ListBox1.Enabled());
    };
    f.ListBox1.OnDblClick(f.ListBox1);
    EXPECT_EQ(l.platform.shellCalls, c.calls);
    EXPECT_TRUE(l.platform.messages.empty());
    if (c.calls.empty()) {
      EXPECT_FALSE(f.Button1.Enabled());
      EXPECT_EQ(l.platform.CurrentDirectory(), "Q:\\disc");
      continue;
    }
    EXPECT_EQ(l.platform.CurrentDirectory(), "Q:\\disc\\Dir");
    EXPECT_EQ(enabledWhileProcessing, (std::vector<bool>{false, false}));
    EXPECT_TRUE(f.Button1.Enabled());
    EXPECT_TRUE(f.ListBox1.Enabled());
  }
}

TEST(Button1Click, UnassociatedDocumentOffersNotepad) {
  const ShownMessage question{
      "指定されたファイル拡張子に関連付けられたアプリケーションがありません。\n\r"
      "readme.abc をメモ帳で開きますか？",
      "システムエラー", 0x14};
  const ShellCall document{"OPEN", "Q:\\disc\\Dir\\readme.abc", "", kDir, 5};
  const ShellCall notepad{"OPEN", "C:\\WINDOWS\\notepad.exe", "Q:\\disc\\Dir\\readme.abc", kDir, 5};
  struct Case {
    int answer;
    Calls calls;
  } const cases[] = {{mb::kIdYes, {document, notepad}}, {mb::kIdNo, {document}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer == mb::kIdYes ? "Yes" : "No");
    LauncherFixture l;
    StartWith(l, "Dir", "readme.abc", {"readme.abc"});
    l.platform.shellResults = {kShellNoAssociation};
    l.platform.messageBoxAnswers = {c.answer};
    l.form->N2.Click(l.form->ListBox1);
    EXPECT_EQ(l.platform.messages, std::vector<ShownMessage>{question});
    EXPECT_EQ(l.platform.shellCalls, c.calls);
    EXPECT_TRUE(l.form->Button1.Enabled());
  }
}

TEST(Button1Click, ShellFailuresAreWordedAndARefusedElevationIsNot) {
  struct Case {
    int result;
    std::size_t messages;
  } const cases[] = {{2, 1}, {kShellCancelled, 0}, {42, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE("result " + std::to_string(c.result));
    LauncherFixture l;
    StartWith(l, "Dir", "setup.exe", {"setup.exe"});
    l.platform.shellResults = {c.result};
    l.form->Button1Click(l.form->Button1);
    EXPECT_EQ(l.platform.messages.size(), c.messages);
    EXPECT_EQ(l.platform.shellCalls.size(), 1u);
  }
}

TEST(Button1Click, AddressesOpenAsWrittenEvenWithTheRunButtonDisabled) {
  for (const std::string folder : {".", "?", "Gone"}) {
    SCOPED_TRACE("folder '" + folder + "'");
    LauncherFixture l;
    StartWith(l, folder, "mailto:someone@example.jp");
    EXPECT_EQ(l.form->Button1.Enabled(), folder == ".");
    l.form->ListBox1.OnDblClick(l.form->ListBox1);
    EXPECT_EQ(l.platform.shellCalls,
              (Calls{{"OPEN", "mailto:someone@example.jp", "", "Q:\\disc", 5}}));
    EXPECT_TRUE(l.form->Button1.Enabled());
  }
}

TEST(Button1Click, PowerActionsAskFirst) {
  struct Case {
    std::string target;
    int answer;
    ShownMessage question;
    std::vector<unsigned> exits;
  } const cases[] = {
      {"?logoff", mb::kIdNo, {"ログオフしてよろしいですか？", "ログオフ", 0x44}, {}},
      {"?logoff", mb::kIdYes, {"ログオフしてよろしいですか？", "ログオフ", 0x44}, {0}},
      {"?reboot", mb::kIdYes, {"再起動してよろしいですか？", "再起動", 0x44}, {2}},
      {"?POWEROFF", mb::kIdYes, {"ｼｬｯﾄﾀﾞｳﾝしてよろしいですか？", "ｼｬｯﾄﾀﾞｳﾝ", 0x44}, {9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target + (c.answer == mb::kIdYes ? " Yes" : " No"));
    LauncherFixture l;
    StartWith(l, ".", c.target);
    l.platform.messageBoxAnswers = {c.answer};
    l.form->Button1Click(l.form->Button1);
    EXPECT_EQ(l.platform.messages, std::vector<ShownMessage>{c.question});
    EXPECT_EQ(l.platform.exitWindowsFlags, c.exits);
    EXPECT_TRUE(l.platform.shellCalls.empty());
    EXPECT_TRUE(l.form->Button1.Enabled());
    EXPECT_TRUE(l.form->ListBox1.Enabled());
  }
}

TEST(Button1Click, DisabledEntriesAndAnEmptySelectionDoNothing) {
  struct Case {
    const char* what;
    std::string folder, target;
    bool select;
  } const cases[] = {
      {"missing program", "Dir", "gone.exe", true},
      {"folder '?'", "?", "setup.exe", true},
      {"missing folder", "Gone", "setup.exe", true},
      {"invalid system action", ".", "?reboot ", true},
      {"no line selected", "Dir", "setup.exe", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LauncherFixture l;
    StartWith(l, c.folder, c.target, {"setup.exe"});
    TForm1& f = *l.form;
    if (!c.select)
      f.ListBox1.SetItemIndex(-1);
    unsigned short enter = 13;
    f.ListBox1.OnDblClick(f.ListBox1);
    f.N2.OnClick(f.ListBox1);
    f.ListBox1.OnKeyDown(f.ListBox1, enter, false);
    if (!c.select) {
      f.Button4Click(f.Button4);
      f.N4.OnClick(f.ListBox1);
    }
    EXPECT_TRUE(l.platform.shellCalls.empty());
    EXPECT_TRUE(l.platform.messages.empty());
    EXPECT_TRUE(l.platform.exitWindowsFlags.empty());
    EXPECT_EQ(enter, 0);
  }
}

TEST(Button1Click, EventsQueuedDuringARunStartNothingMore) {
  for (const std::string target : {"setup.exe", "http://example.jp/", "?reboot"}) {
    SCOPED_TRACE(target);
    LauncherFixture l;
    StartWith(l, "Dir", target, {"setup.exe"});
    TForm1& f = *l.form;
    l.platform.messageBoxAnswers = {mb::kIdNo};
    l.platform.onProcessMessages = [&] {
      unsigned short enter = 13;
      f.ListBox1.OnDblClick(f.ListBox1);
      f.N2.Click(f.ListBox1);
      f.ListBox1.OnKeyDown(f.ListBox1, enter, false);
      f.Button1Click(f.Button1);
    };
    f.ListBox1.OnDblClick(f.ListBox1);
    EXPECT_EQ(l.platform.shellCalls.size() + l.platform.messages.size(), 1u);
    EXPECT_TRUE(l.platform.exitWindowsFlags.empty());
    // Once it is over, the next run goes ahead.
    l.platform.onProcessMessages = nullptr;
    f.Button1Click(f.Button1);
    EXPECT_EQ(l.platform.shellCalls.size() + l.platform.messages.size(), 2u);
  }
}

// Events queued behind a launch run while it waits: the program still starts
// in its entry's folder, and the buttons end as the line selected then has them.
TEST(Button1Click, QueuedEventsLeaveTheLaunchItsFolderAndTheButtonsTheirLine) {
  struct Case {
    const char* name;
    int run;  // the line run: 0 "Dir\\setup.exe", 1 "Gone\\x.exe" (missing), 2 an address
    std::function<void(LauncherFixture&)> queued;
    std::string directory;
    bool runAfter, folderAfter;
    std::string listHint;
  } const cases[] = {
      {"nothing", 0, nullptr, kDir, true, true, "Setup"},
      {"another line", 0, [](LauncherFixture& l) { l.Select(1); }, kDir, false, false,
       "フォルダがありません"},
      {"another line while an address opens", 2, [](LauncherFixture& l) { l.Select(1); },
       "Q:\\disc", false, false, "フォルダがありません"},
      {"the About box", 0, [](LauncherFixture& l) { l.form->Button3Click(l.form->Button3); }, kDir,
       true, true, "Setup"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP",
               "Setup\r\nDir\r\nsetup.exe\r\nGone\r\nGone\r\nx.exe\r\nWeb\r\n?\r\nhttp://x/\r\n");
    l.DiscFile("Dir\\setup.exe", "");
    ASSERT_TRUE(l.Start());
    l.Select(c.run);
    bool queued = false;
    l.platform.onProcessMessages = [&] {
      if (c.queued && !std::exchange(queued, true))
        c.queued(l);
    };
    l.form->Button1Click(l.form->Button1);
    ASSERT_EQ(l.platform.shellCalls.size(), 1u);
    EXPECT_EQ(l.platform.shellCalls[0].directory, c.directory);
    const TForm1& f = *l.form;
    EXPECT_EQ(f.Button1.Enabled(), c.runAfter);
    EXPECT_EQ(f.N2.Enabled(), c.runAfter);
    EXPECT_EQ(f.Button4.Enabled() && f.N4.Enabled(), c.folderAfter);
    EXPECT_EQ(f.ListBox1.Hint(), c.listHint);
    EXPECT_TRUE(f.ListBox1.Enabled());
  }
}

TEST(Button1Click, MenuFolderGoneIsAnInputOutputError) {
  LauncherFixture l;
  StartWith(l, "Dir", "setup.exe", {"setup.exe"});
  l.form->Folders.MenuDir = "Q:\\gone";
  EXPECT_FALSE(l.app.Guard([&] { l.form->Button1Click(l.form->Button1); }));
  EXPECT_TRUE(l.platform.shellCalls.empty());
  EXPECT_TRUE(l.form->Button1.Enabled());
  EXPECT_TRUE(l.form->ListBox1.Enabled());
}

}  // namespace
}  // namespace tolvane
