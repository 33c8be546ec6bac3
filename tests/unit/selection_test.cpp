#include <gtest/gtest.h>

#include "menu/entry_action.h"
#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;

struct KindCase {
  std::string target;
  std::string button1Caption, button1Hint, n2Caption, listHint, button4Hint;
  bool runEnabled, folderEnabled;
};

const char* const kDefaultFolderHint = "選択したファイルがあるフォルダを表示します。";

TEST(Selection, KindTable) {
  const std::string caption = "項目";
  const KindCase cases[] = {
      {"?reboot", "再起動(&U)", "コンピューターを再起動します。", "再起動(&U)",
       "コンピューターを再起動します。", kDefaultFolderHint, true, false},
      {"?REBOOT", "再起動(&U)", "コンピューターを再起動します。", "再起動(&U)",
       "コンピューターを再起動します。", kDefaultFolderHint, true, false},
      {"?logoff", "ログオフ(&L)", "コンピューターをログオフします。", "ログオフ(&L)",
       "コンピューターをログオフします。", kDefaultFolderHint, true, false},
      {"?poweroff", "ｼｬｯﾄﾀﾞｳﾝ(&S)", "コンピューターをシャットダウンします", "ｼｬｯﾄﾀﾞｳﾝ(&S)",
       "コンピューターをシャットダウンします", kDefaultFolderHint, true, false},
      {"?reboot ", "指定ｴﾗｰ", "指定ｴﾗｰ Autorun.iniの書式エラーです。", "指定ｴﾗｰ",
       "指定ｴﾗｰ Autorun.iniの書式エラーです。", kDefaultFolderHint, false, false},
      {"?", "指定ｴﾗｰ", "指定ｴﾗｰ Autorun.iniの書式エラーです。", "指定ｴﾗｰ",
       "指定ｴﾗｰ Autorun.iniの書式エラーです。", kDefaultFolderHint, false, false},
      {"http://example.jp/", "URL接続(&O)", "http://example.jp/ へ接続します。", "URL接続(&O)",
       "http://example.jp/", kDefaultFolderHint, true, false},
      {"HTTPS://x", "URL接続(&O)", "HTTPS://x へ接続します。", "URL接続(&O)", "HTTPS://x",
       kDefaultFolderHint, true, false},
      {"file://C:/x", "File表示(&O)", "file://C:/x を表示します。", "File表示(&O)", "file://C:/x",
       kDefaultFolderHint, true, false},
      {"Mailto:someone@example.jp", "ﾒｰﾙ送信(&O)", "someone@example.jp へメールを送信します。",
       "ﾒｰﾙ送信(&O)", "someone@example.jp", kDefaultFolderHint, true, false},
      {"ftp://ftp.example.jp", "FTP接続(&O)", "ftp://ftp.example.jp へ接続します。", "FTP接続(&O)",
       "ftp://ftp.example.jp", kDefaultFolderHint, true, false},
      {"setup.exe", "実行(&R)", "選択したアプリケーションを実行します。",
       "選択したアプリケーションを実行(&R)", caption,
       "選択したアプリケーションがあるフォルダを表示します。", true, true},
      {"setup.exe /s", "実行(&R)", "選択したアプリケーションを実行します。",
       "選択したアプリケーションを実行(&R)", caption,
       "選択したアプリケーションがあるフォルダを表示します。", true, true},
      {"tool.EXE /q", "実行(&R)", "選択したアプリケーションを実行します。",
       "選択したアプリケーションを実行(&R)", caption,
       "選択したアプリケーションがあるフォルダを表示します。", true, true},
      {"a.exex", "開く(&R)", "選択したファイルを開きます。", "選択したファイルを開く(&O)", caption,
       kDefaultFolderHint, true, true},
      {"http:/x", "開く(&R)", "選択したファイルを開きます。", "選択したファイルを開く(&O)",
       "ファイルがありません", kDefaultFolderHint, false, true},
      {"missing.exe", "実行(&R)", "選択したアプリケーションを実行します。",
       "選択したアプリケーションを実行(&R)", "実行ファイルがありません",
       "選択したアプリケーションがあるフォルダを表示します。", false, true},
      {"", "開く(&R)", "選択したファイルを開きます。", "選択したファイルを開く(&O)", caption,
       kDefaultFolderHint, true, true},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE("target '" + c.target + "'");
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", caption + "\r\nDir\r\n" + c.target + "\r\n");
    for (const char* file : {"setup.exe", "tool.EXE", "a.exex", "readme.txt"})
      l.DiscFile(std::string("Dir\\") + file, "");
    ASSERT_TRUE(l.Start());
    const TForm1& f = *l.form;
    EXPECT_EQ(f.Button1.Caption(), c.button1Caption);
    EXPECT_EQ(f.Button1.Hint(), c.button1Hint);
    EXPECT_EQ(f.N2.Caption(), c.n2Caption);
    EXPECT_EQ(f.ListBox1.Hint(), c.listHint);
    EXPECT_EQ(f.Button4.Hint(), c.button4Hint);
    EXPECT_EQ(f.Button1.Enabled(), c.runEnabled);
    EXPECT_EQ(f.N2.Enabled(), c.runEnabled);
    EXPECT_EQ(f.Button4.Enabled(), c.folderEnabled);
    EXPECT_EQ(f.N4.Enabled(), c.folderEnabled);
  }
}

// What selecting an entry finds, as the one value Run, the folder button and
// a disc check work from.
TEST(ActionOfEntry, OneValuePerKindAndMissingCase) {
  using R = RunRefusal;
  struct Case {
    std::string folder, target;
    EntryKind kind;
    std::string file, parameters, address;
    unsigned exitFlags;
    bool canRun;
    RunRefusal refusal;
    bool folderButton;
    std::string listHint, notice;
  } const cases[] = {
      {"Dir", "setup.exe //s", EntryKind::Program, "setup.exe ", "/s", "", 0, true, R::None, true,
       "項目", ""},
      {"Dir", "", EntryKind::Document, "", "", "", 0, true, R::None, true, "項目", ""},
      {"Dir", "gone.exe", EntryKind::Program, "gone.exe", "", "", 0, false, R::FileMissing, true,
       "実行ファイルがありません", "指定した実行ファイルは存在しません"},
      {"Dir", "gone.txt", EntryKind::Document, "gone.txt", "", "", 0, false, R::FileMissing, true,
       "ファイルがありません", "指定したファイルは存在しません"},
      {"Gone", "setup.exe", EntryKind::Program, "setup.exe", "", "", 0, false, R::FolderMissing,
       false, "フォルダがありません", "指定したフォルダは存在しません"},
      {"Dir", "http://x/", EntryKind::WebAddress, "", "", "http://x/", 0, true, R::None, false,
       "http://x/", ""},
      {"?", "mailto:a@b", EntryKind::MailAddress, "", "", "mailto:a@b", 0, false, R::NoFolder,
       false, "", ""},
      {"Dir", "?poweroff", EntryKind::PowerOff, "", "", "", 9, true, R::None, false,
       "コンピューターをシャットダウンします", ""},
      {"Dir", "?x", EntryKind::InvalidSystemAction, "", "", "", 0, false, R::UnknownSystemAction,
       false, "指定ｴﾗｰ Autorun.iniの書式エラーです。", ""},
  };
  testing::FakePlatform p;
  p.AddFile("Q:\\disc\\Dir\\setup.exe", "");
  StartupFolders folders;
  folders.MenuDir = "Q:\\disc";
  folders.MenuDirSlash = "Q:\\disc\\";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder + " " + c.target);
    const TargetAction a = ActionOfEntry({"項目", c.folder, c.target}, folders, p);
    EXPECT_EQ(a.kind, c.kind);
    EXPECT_EQ(a.folder, c.folder == "?" ? "?" : "Q:\\disc\\" + c.folder);
    EXPECT_EQ(a.file, c.file);
    EXPECT_EQ(a.parameters, c.parameters);
    EXPECT_EQ(a.address, c.address);
    EXPECT_EQ(a.exitFlags, c.exitFlags);
    EXPECT_EQ(a.canRun, c.canRun);
    EXPECT_EQ(a.refusal, c.refusal);
    EXPECT_EQ(a.folderButton, c.folderButton);
    EXPECT_EQ(a.labels.listHint, c.listHint);
    EXPECT_EQ(a.notice, c.notice);
  }
  // Without the menu's folder nothing else is looked at.
  folders.MenuDir = "Q:\\gone";
  EXPECT_EQ(ActionOfEntry({"項目", "Dir", "setup.exe"}, folders, p).refusal,
            RunRefusal::MenuFolderMissing);
}

TEST(Selection, FolderResolutionAndTheCurrentFolder) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP",
             "Here\r\n\r\nx.exe\r\nSub\r\nsub\\\r\nx.exe\r\nAbsolute\r\nC:\\Tools\r\nx.exe\r\n"
             "None\r\n?\r\nhttp://x\r\nMissing\r\nnowhere\r\nx.exe\r\nRoot\r\n.\r\n\r\n");
  l.DiscFile("x.exe", "");
  l.DiscFile("sub\\x.exe", "");
  l.platform.AddFile("C:\\Tools\\x.exe", "");
  ASSERT_TRUE(l.Start());
  TForm1& f = *l.form;
  struct Case {
    int line;
    std::string entryDir, currentFolder;
    bool run;
  } cases[] = {
      {0, "Q:\\disc\\.", "Q:\\disc", true},        {1, "Q:\\disc\\sub", "Q:\\disc\\sub", true},
      {2, "C:\\Tools", "C:\\Tools", true},         {3, "?", "Q:\\disc", false},
      {4, "Q:\\disc\\nowhere", "Q:\\disc", false}, {5, "Q:\\disc\\", "Q:\\disc", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    l.Select(c.line);
    EXPECT_EQ(f.Action.folder, c.entryDir);
    EXPECT_EQ(l.platform.CurrentDirectory(), c.currentFolder);
    EXPECT_EQ(f.Button1.Enabled(), c.run);
  }
}

// A drive alone names that drive's current folder: a disc's root is entered
// as "Q:\\" by a line without a folder and by the About box alike.
TEST(Selection, ADriveRootIsEnteredAtItsRoot) {
  for (const bool about : {false, true}) {
    LauncherFixture l;
    l.platform.programPath = "Q:\\tolvane.exe";
    l.platform.AddFile("Q:\\AutoRun.KWP", "Sub\r\nsub\r\nx.exe\r\nNone\r\n?\r\nhttp://x\r\n");
    l.platform.AddFile("Q:\\sub\\x.exe", "");
    ASSERT_TRUE(l.Start());
    ASSERT_EQ(l.platform.CurrentDirectory(), "Q:\\sub");
    about ? l.form->Button3Click(l.form->Button3) : l.Select(1);
    EXPECT_EQ(l.platform.CurrentDirectory(), "Q:\\") << (about ? "About box" : "line");
  }
}

TEST(Selection, NoFolderAndMissingFolder) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "None\r\n?\r\nhttp://x\r\nMissing\r\nnowhere\r\nx.exe\r\n");
  ASSERT_TRUE(l.Start());
  TForm1& f = *l.form;
  EXPECT_FALSE(f.Button1.Enabled() || f.N2.Enabled() || f.Button4.Enabled() || f.N4.Enabled());
  EXPECT_EQ(f.ListBox1.Hint(), "");
  EXPECT_EQ(f.RichEdit1.Text(), "");

  l.Select(1);
  EXPECT_FALSE(f.Button1.Enabled() || f.N2.Enabled() || f.Button4.Enabled() || f.N4.Enabled());
  EXPECT_EQ(f.ListBox1.Hint(), "フォルダがありません");
  EXPECT_EQ(f.RichEdit1.Text(), "指定したフォルダは存在しません");
  EXPECT_EQ(f.RichEdit1.GetFont().color, kColorRed);

  f.CheckBox2.SetChecked(false);
  l.Select(1);
  EXPECT_EQ(f.RichEdit1.Text(), "");
  EXPECT_EQ(f.ListBox1.Hint(), "フォルダがありません");
}

TEST(Selection, MissingTargetLinesAboveTheDescription) {
  struct Case {
    std::string target;
    bool readme;
    bool showText;
    std::string pane;
    std::string listHint;
  } cases[] = {
      {"gone.exe", true, true, "指定した実行ファイルは存在しません\n説明文",
       "実行ファイルがありません"},
      {"gone.txt", true, true, "指定したファイルは存在しません\n説明文", "ファイルがありません"},
      {"gone.exe", false, true, "ドキュメントは存在しません", ""},
      {"gone.exe", true, false, "指定した実行ファイルは存在しません\n", "実行ファイルがありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target + (c.readme ? " readme" : "") + (c.showText ? " shown" : ""));
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "E\r\n\r\n" + c.target + "\r\n");
    if (c.readme)
      l.DiscFile("readme.txt", "説明文");
    ASSERT_TRUE(l.Start());
    TForm1& f = *l.form;
    if (!c.showText)
      f.CheckBox2.SetChecked(false), l.Select(0);
    EXPECT_EQ(f.RichEdit1.Text(), c.pane);
    EXPECT_EQ(f.ListBox1.Hint(), c.listHint);
    EXPECT_FALSE(f.Button1.Enabled());
  }
}

TEST(Selection, AnRtfDescriptionOfAMissingProgramBecomesPlainText) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "E\r\n\r\ngone.exe\r\n");
  l.DiscFile("readme.txt", "{\\rtf1 {\\b Bold} text\\par}");
  ASSERT_TRUE(l.Start());
  const RichEdit& pane = l.form->RichEdit1;
  EXPECT_FALSE(pane.IsRichText());
  EXPECT_EQ(pane.Text(), "指定した実行ファイルは存在しません\nBold text\r\n");
}

}  // namespace
}  // namespace tolvane
