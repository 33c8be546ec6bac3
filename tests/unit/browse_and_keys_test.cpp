#include <gtest/gtest.h>

#include "platform/platform.h"
#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;
using testing::ShellCall;

TEST(Button4Click, OpensTheEntrysOwnFolder) {
  struct Case {
    std::string folder, target, opened;
  } const cases[] = {
      {"Tools", "bin\\tool.exe", "Q:\\disc\\Tools"},
      {"", "readme.txt", "Q:\\disc\\."},  // an empty folder reads as "."
      {"C:\\Apps", "a.exe", "C:\\Apps"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("folder '" + c.folder + "'");
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "項目\r\n" + c.folder + "\r\n" + c.target + "\r\n");
    l.DiscFile("Tools\\bin\\tool.exe", "");
    l.platform.AddFile("C:\\Apps\\a.exe", "");
    ASSERT_TRUE(l.Start());
    ASSERT_TRUE(l.form->N4.Enabled());
    const std::string before = l.platform.CurrentDirectory();
    l.form->N4.Click(l.form->ListBox1);
    EXPECT_EQ(l.platform.shellCalls, (std::vector<ShellCall>{{"OPEN", c.opened, "", "", 5}}));
    EXPECT_EQ(l.platform.CurrentDirectory(), before);
  }
}

TEST(Button4Click, DeletedFolderIsWorded) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "項目\r\nTools\r\na.exe\r\n");
  l.DiscFile("Tools\\a.exe", "");
  ASSERT_TRUE(l.Start());
  l.platform.shellResults = {3};
  l.form->Button4Click(l.form->Button4);
  ASSERT_EQ(l.platform.messages.size(), 1u);
  EXPECT_EQ(l.platform.messages[0].text,
            "指定したフォルダが見つかりませんでした。存在しないか、削除された可能性があります。");
}

TEST(Button5Click, OpticalDriveAtItsRootOtherwiseTheMenuFolder) {
  struct Case {
    const char* what;
    std::string program, drive;
    int type;
    std::string opened;
  } const cases[] = {
      {"CD-ROM", "Q:\\disc\\sub\\tolvane.exe", "Q:", kDriveCdRom, "Q:"},
      {"hard disk", "C:\\disc\\tolvane.exe", "C:", 3, "C:\\disc"},
      {"network share", "\\\\server\\share\\disc\\tolvane.exe", "\\\\server\\share", 4,
       "\\\\server\\share\\disc"},
      {"network share of an optical drive", "\\\\server\\cd\\disc\\tolvane.exe", "\\\\server\\cd",
       kDriveCdRom, "\\\\server\\cd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LauncherFixture l;
    l.platform.programPath = c.program;
    l.platform.SetDriveType(c.drive, c.type);
    l.platform.AddFile(c.program.substr(0, c.program.rfind('\\')) + "\\AutoRun.KWP",
                       "項目\r\n\r\nreadme.txt\r\n");
    ASSERT_TRUE(l.Start()) << (l.platform.messages.empty() ? "" : l.platform.messages[0].text);
    l.form->Button5Click(l.form->Button5);
    EXPECT_EQ(l.platform.shellCalls, (std::vector<ShellCall>{{"OPEN", c.opened, "", "", 5}}));
  }
}

TEST(ListBox1KeyDown, EnterRunsSpaceMovesOtherKeysPass) {
  struct Case {
    unsigned short key;
    bool shift;
    unsigned short passed;
    std::size_t launches;
  } const cases[] = {
      {13, false, 0, 1},      {13, true, 0, 1},      {32, false, 0x28, 0}, {32, true, 0x26, 0},
      {0x28, false, 0x28, 0}, {0x21, true, 0x21, 0}, {'A', false, 'A', 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("key " + std::to_string(c.key) + (c.shift ? " with Shift" : ""));
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "項目\r\n?\r\nhttp://example.jp/\r\n");
    ASSERT_TRUE(l.Start());
    ASSERT_FALSE(l.form->Button1.Enabled());  // Enter runs it all the same
    unsigned short key = c.key;
    l.form->ListBox1.OnKeyDown(l.form->ListBox1, key, c.shift);
    EXPECT_EQ(key, c.passed);
    EXPECT_EQ(l.platform.shellCalls.size(), c.launches);
  }
}

TEST(ListBox1KeyUp, TheEndsOfTheListShowTheirEntryAgain) {
  struct Case {
    int line;
    bool reselected;
  } const cases[] = {{0, true}, {1, false}, {2, true}, {-1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE("line " + std::to_string(c.line));
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "一\r\nA\r\n\r\n二\r\nB\r\n\r\n三\r\nC\r\n\r\n");
    for (const char* folder : {"A", "B", "C"})
      l.platform.AddFolder(std::string(testing::kDisc) + folder);
    ASSERT_TRUE(l.Start());
    l.form->ListBox1.SetItemIndex(c.line);
    l.form->RichEdit1.SetText("old");
    unsigned short key = 0x28;
    l.form->ListBox1.OnKeyUp(l.form->ListBox1, key, false);
    EXPECT_EQ(l.form->RichEdit1.Text() != "old", c.reselected);
  }
}

}  // namespace
}  // namespace tolvane
