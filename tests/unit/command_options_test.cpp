#include <gtest/gtest.h>

#include "runtime/cp932_text.h"
#include "startup/option_scan.h"
#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::FakePlatform;
using testing::LauncherFixture;
using testing::ShellCall;
using testing::ShownMessage;
using Words = std::vector<std::string>;
using Calls = std::vector<ShellCall>;
using Messages = std::vector<ShownMessage>;

const ShownMessage kPositionWarning{
    "コマンドライン「I:」は、コマンドラインの一番最初にあるときのみ有効です。", "Tolvane", 0x30};

// A direct-open call: it starts in the launcher's folder.
ShellCall Open(const std::string& file, const std::string& parameters = "",
               const std::string& folder = "Q:\\disc") {
  return {"OPEN", file, parameters, folder, 5};
}

// A disc with a default menu, a second menu in "sub", combined documents
// beside both, and a start-up sound, so that whatever start-up reads shows.
void WriteDisc(LauncherFixture& l) {
  l.DiscFile("AutoRun.KWP", "Default\r\n.\r\nx.exe\r\n");
  l.DiscFile("doc.txt", "//1\r\ndefault section\r\n");
  l.DiscFile("sub\\other.kwp", "Other\r\ntools\r\nt.exe\r\n");
  l.DiscFile("sub\\tools\\t.exe", "MZ");
  l.DiscFile("sub\\doc.txt", "//1\r\nsub section\r\n");
  l.DiscFile("Autorun.wav", "RIFF");
  l.platform.AddUnreadableFile("Q:\\disc\\locked.txt");
  l.platform.AddFile("Q:\\menus\\m.kwp", "Elsewhere\r\n.\r\ne.exe\r\n");
}

TEST(CommandLine, OptionsInTheirPositions) {
  struct Case {
    Words params;
    Words items;  // empty: the program ended without reading a menu
    std::string menuDir;
    bool docActive;
    Messages messages;
    Calls shell;
  } cases[] = {
      {{}, {"Default"}, "Q:\\disc", false, {}, {}},
      {{"/i:sub\\other.kwp"}, {"Other"}, "Q:\\disc\\sub", false, {}, {}},
      {{"/I:sub\\other.kwp"}, {"Other"}, "Q:\\disc\\sub", false, {}, {}},
      // A folder alone moves the menu folder; the menu is the default one.
      {{"/i:sub\\"}, {"Default"}, "Q:\\disc\\sub", false, {}, {}},
      {{"/i:"}, {"Default"}, "Q:\\disc", false, {}, {}},
      {{"/i:Q:\\menus\\m.kwp"}, {"Elsewhere"}, "Q:\\menus", false, {}, {}},
      {{"/i:missing.kwp"},
       {},
       "Q:\\disc",
       false,
       {{"ファイル \"missing.kwp\" がありません", "Tolvane", 0x30}},
       {}},
      {{"/d:x", "/i:sub\\other.kwp"}, {"Default"}, "Q:\\disc", false, {kPositionWarning}, {}},
      {{"/o:a.exe", "/i:sub\\other.kwp"},
       {},
       "Q:\\disc",
       false,
       {kPositionWarning},
       {Open("a.exe")}},
      {{"/d:doc.txt"}, {"Default"}, "Q:\\disc", true, {}, {}},
      {{"/i:sub\\other.kwp", "/d:doc.txt"}, {"Other"}, "Q:\\disc\\sub", true, {}, {}},
      // "/d:" counts only as the last parameter.
      {{"/d:doc.txt", "x"}, {"Default"}, "Q:\\disc", false, {}, {}},
      {{"/d:missing.txt"}, {"Default"}, "Q:\\disc", false, {}, {}},
      {{"/d:Q:\\disc\\doc.txt"}, {"Default"}, "Q:\\disc", false, {}, {}},
      {{"/d:locked.txt"},
       {"Default"},
       "Q:\\disc",
       false,
       {{"指定ドキュメントの読み込みエラー", "エラー", 0x10}},
       {}},
      {{"/i:sub\\missing.kwp", "/o:a.exe"}, {}, "Q:\\disc\\sub", false, {}, {Open("a.exe")}},
      {{"/d:doc.txt", "/o:a.exe"}, {}, "Q:\\disc", false, {}, {Open("a.exe")}},
      {{"/o:a.exe", "/O:b.exe"}, {}, "Q:\\disc", false, {}, {Open("a.exe"), Open("b.exe")}},
      {{"o:a.exe", "/o", "/x:a.exe", "/dd:doc.txt"}, {"Default"}, "Q:\\disc", false, {}, {}},
  };
  for (const Case& c : cases) {
    std::string line;
    for (const std::string& p : c.params)
      line += " " + p;
    SCOPED_TRACE(line);
    LauncherFixture l;
    WriteDisc(l);
    Words args{"tolvane.exe"};
    args.insert(args.end(), c.params.begin(), c.params.end());
    l.Start(args);
    const TForm1& f = *l.form;
    EXPECT_EQ(f.ListBox1.Items(), c.items);
    EXPECT_EQ(f.Folders.MenuDir, c.menuDir);
    EXPECT_EQ(f.Folders.MenuDirSlash, c.menuDir + "\\");
    EXPECT_EQ(f.DocOptionActive, c.docActive);
    EXPECT_EQ(l.platform.messages, c.messages);
    EXPECT_EQ(l.platform.shellCalls, c.shell);
    EXPECT_EQ(f.Shown(), !c.items.empty());
    EXPECT_EQ(l.app.Terminated(), c.items.empty());
    EXPECT_TRUE(!c.items.empty() || l.platform.mciCommands.empty()) << "a sound without a window";
  }
}

TEST(CommandLine, TheCombinedDocumentDescribesTheEntries) {
  LauncherFixture l;
  WriteDisc(l);
  ASSERT_TRUE(l.Start({"tolvane.exe", "/i:sub\\other.kwp", "/d:doc.txt"}));
  EXPECT_EQ(l.form->RichEdit1.Text(), "sub section\r\n");
}

TEST(CommandLine, DirectOpenTargets) {
  struct Case {
    std::string target;
    Calls shell;
    Messages messages;
  } cases[] = {
      {"%WindowsDir%\\tool.exe %param% word", {Open("C:\\WINDOWS\\tool.exe", " word")}, {}},
      {"setup.exe %PARAM%/s %param%", {Open("setup.exe", "/s %param%")}, {}},
      {"%param%x", {Open("", "x")}, {}},
      {"%TempDir%\\a;%tempdir%\\b", {Open("C:\\TEMP\\a;%tempdir%\\b")}, {}},
      {"%ApplicationDir%\\a.exe;%KwtFileDir%", {Open("%ApplicationDir%\\a.exe;%KwtFileDir%")}, {}},
      {"%ProgramFiles%\\%SystemDir%\\%Root%",
       {Open("C:\\Program Files\\C:\\WINDOWS\\system32\\C:")},
       {}},
      {"HTTP://example.jp/%TempDir% %param%", {Open("HTTP://example.jp/%TempDir% %param%")}, {}},
      {"mailto:someone@example.jp", {Open("mailto:someone@example.jp")}, {}},
      {"ftp:/x", {Open("ftp:/x")}, {}},
      {"?REBOOT", {}, {{"再起動してよろしいですか？", "再起動", 0x44}}},
      // Any other "?" word does nothing at all.
      {"?reboot x", {}, {}},
      {"?", {}, {}},
      {"?http://x", {}, {}},
      {"", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    LauncherFixture l;
    WriteDisc(l);
    l.platform.messageBoxAnswers = {mb::kIdNo};
    l.Start({"tolvane.exe", "/o:" + c.target});
    const TForm1& f = *l.form;
    EXPECT_EQ(l.platform.shellCalls, c.shell);
    EXPECT_EQ(l.platform.messages, c.messages);
    EXPECT_TRUE(l.app.Terminated());
    EXPECT_FALSE(f.Shown());
    EXPECT_TRUE(f.ListBox1.Items().empty());
  }
}

TEST(CommandLine, DirectOpenSharesTheWindowsWordingAndQuestions) {
  const std::string noApp =
      "指定されたファイル拡張子に関連付けられたアプリケーションがありません。\n\r";
  struct Case {
    std::string target;
    std::deque<ShellResult> shellResults;
    std::deque<int> answers;
    Calls shell;
    Messages messages;
    std::vector<unsigned> exitFlags;
  } cases[] = {
      {"%TempDir%\\notes.abc %param% -x",
       {31},
       {mb::kIdYes},
       {Open("C:\\TEMP\\notes.abc", " -x"),
        Open("C:\\WINDOWS\\notepad.exe", "C:\\TEMP\\notes.abc")},
       {{noApp + "C:\\TEMP\\notes.abc をメモ帳で開きますか？", "Tolvane", 0x14}},
       {}},
      {"notes.abc",
       {31},
       {mb::kIdNo},
       {Open("notes.abc")},
       {{noApp + "notes.abc をメモ帳で開きますか？", "Tolvane", 0x14}},
       {}},
      {"missing.exe",
       {2},
       {},
       {Open("missing.exe")},
       {{"指定されたファイルが見つかりませんでした。存在しないか、削除された可能性があります。",
         "システムエラー", 0x10}},
       {}},
      {"http://example.jp/", {kShellCancelled}, {}, {Open("http://example.jp/")}, {}, {}},
      {"mailto:a@example.jp",
       {kShellNoAssociation},
       {},
       {Open("mailto:a@example.jp")},
       {{"指定されたアドレスに関連付けられたアプリケーションがありません。\n"
         "mailto:a@example.jp",
         "システムエラー", 0x10}},
       {}},
      {"?poweroff",
       {},
       {mb::kIdYes},
       {},
       {{"ｼｬｯﾄﾀﾞｳﾝしてよろしいですか？", "ｼｬｯﾄﾀﾞｳﾝ", 0x44}},
       {9}},
      {"?LogOff", {}, {mb::kIdYes}, {}, {{"ログオフしてよろしいですか？", "ログオフ", 0x44}}, {0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    LauncherFixture l;
    WriteDisc(l);
    l.platform.shellResults = c.shellResults;
    l.platform.messageBoxAnswers = c.answers;
    l.Start({"tolvane.exe", "/o:" + c.target});
    EXPECT_EQ(l.platform.shellCalls, c.shell);
    EXPECT_EQ(l.platform.messages, c.messages);
    EXPECT_EQ(l.platform.exitWindowsFlags, c.exitFlags);
    EXPECT_TRUE(l.app.Terminated());
    EXPECT_FALSE(l.form->Shown());
  }
}

TEST(CommandLine, AProgramInADriveRootMakesTheRootCurrent) {
  struct Case {
    std::string program, current;
  } cases[] = {
      {"Q:\\tolvane.exe", "Q:\\"},
      {"Q:\\disc\\tolvane.exe", "Q:\\disc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    LauncherFixture l;
    l.platform.programPath = c.program;
    l.platform.AddFolder(FolderPart(c.program));
    l.platform.AddFolder("Q:\\elsewhere");
    // The drive's own current folder is another one.
    ASSERT_TRUE(l.platform.SetCurrentDirectory("Q:\\elsewhere"));
    l.Start({"tolvane.exe", "/o:setup.exe"});
    EXPECT_EQ(l.platform.CurrentDirectory(), c.current);
    EXPECT_EQ(l.platform.shellCalls, Calls{Open("setup.exe", "", c.current)});
  }
}

// The main window's side of the direct-open mode: the shell call, its
// result recorded.
struct Recorded {
  FakePlatform& platform;
  std::vector<int> reported = {};
  DirectOpenHooks Hooks() {
    return {[this](std::string_view file, std::string_view params) {
              reported.push_back(platform.ShellExecute("OPEN", file, params, "", 5).code);
              return reported.back();
            },
            [](const std::string&) {}, [](EntryKind) {}, [](std::string_view) {}};
  }
};

TEST(OptionScan, ValuesKeep252BytesAndEveryParameterIsHandled) {
  FakePlatform p;
  StartupFolders folders;
  folders.ApplicationDirSlash = folders.MenuDirSlash = "Q:\\disc\\";
  Recorded r{p};
  Words args{"t"};
  for (int i = 1; i <= 11; ++i)
    args.push_back("p" + std::to_string(i));
  args[3] = "/d:" + std::string(253, 'b');
  args.push_back("/o:twelfth.exe");
  const CommandLineOptions o =
      ScanCommandLineOptions(p, "Tolvane", ReadCommandOptions(args), folders, r.Hooks());
  // However many parameters come before it.
  EXPECT_EQ(p.shellCalls, Calls{Open("twelfth.exe", "", "")});
  EXPECT_EQ(r.reported, std::vector<int>{42});
  EXPECT_TRUE(o.DirectOpenDone);

  const CommandLineOptions last =
      ScanCommandLineOptions(p, "Tolvane", ReadCommandOptions({"t", args[3]}), folders, r.Hooks());
  EXPECT_EQ(last.DocOptionPath, "Q:\\disc\\" + std::string(252, 'b'));
}

}  // namespace
}  // namespace tolvane
