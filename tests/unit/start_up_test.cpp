#include <gtest/gtest.h>

#include "app/process.h"
#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::FakePlatform;
using testing::LauncherFixture;
using testing::ShownMessage;

constexpr const char* kMenu = "セットアップ\r\nSetup\r\nsetup.exe\r\n";

TEST(Process, SecondInstanceWithoutOptionsEndsSilently) {
  FakePlatform p;
  p.programPath = "Q:\\disc\\tolvane.exe";
  p.AddFile("Q:\\disc\\AutoRun.KWP", kMenu);
  struct Case {
    std::string commandLine;
    bool runs;
  } cases[] = {
      {"tolvane.exe", false},
      {"tolvane.exe /d:doc.rtf", false},
      {"tolvane.exe /I:AutoRun.KWP", true},
      {"tolvane.exe /o:?nothing", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    p.commandLine = c.commandLine;
    p.instanceMutexExists = true;
    p.mutexClosed = p.mutexReleased = p.messageLoopRan = false;
    p.messages.clear();
    EXPECT_EQ(RunLauncher(p), 0);
    EXPECT_EQ(p.mutexClosed, !c.runs);
    EXPECT_EQ(p.mutexReleased, c.runs);
    EXPECT_TRUE(p.messages.empty());
  }
}

TEST(Process, FirstInstanceShowsTheWindowAndReleasesTheMutex) {
  FakePlatform p;
  p.programPath = "Q:\\disc\\tolvane.exe";
  p.AddFile("Q:\\disc\\AutoRun.KWP", kMenu);
  EXPECT_EQ(RunLauncher(p), 0);
  EXPECT_TRUE(p.messageLoopRan);
  EXPECT_TRUE(p.mutexReleased);
  EXPECT_FALSE(p.mutexClosed);
}

TEST(Process, AFatalMenuMessageEndsBeforeAnyWindow) {
  FakePlatform p;
  p.programPath = "Q:\\disc\\tolvane.exe";
  p.AddFolder("Q:\\disc");
  EXPECT_EQ(RunLauncher(p), 0);
  EXPECT_FALSE(p.messageLoopRan);
  EXPECT_TRUE(p.mutexReleased);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0], (ShownMessage{"\"Autorun.KWP\" がありません", "Tolvane", 0x30}));
}

TEST(Process, AStartUpErrorIsShownAndTheProgramEnds) {
  FakePlatform p;
  p.programPath = "Q:\\disc\\tolvane.exe";
  p.AddFile("Q:\\disc\\AutoRun.KWP", kMenu);
  p.programFiles = {RegistryValueKind::OtherType, {}};
  EXPECT_EQ(RunLauncher(p), 0);
  EXPECT_FALSE(p.messageLoopRan);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0],
            (ShownMessage{"'ProgramFilesDir' のデータ型が不正です.", "Tolvane", 0x10}));
}

TEST(Process, APathOrParameterThatCannotBeWrittenEndsStartUp) {
  const ShownMessage path{
      "パス \"C:\\M?ller\" には Shift-JIS で表せない文字が含まれ、短い名前 (8.3 形式) "
      "もないため使用できません.",
      "Tolvane", 0x10};
  const ShownMessage parameter{
      "コマンドライン \"/o:caf?\" には Shift-JIS で表せない文字が含まれているため使用できません.",
      "Tolvane", 0x10};
  struct Case {
    std::string query;
    ShownMessage message;
  } cases[] = {
      {"Arguments", parameter},  {"ProgramPath", path}, {"WindowsDirectory", path},
      {"SystemDirectory", path}, {"TempPath", path},    {"ProgramFilesDir", path},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    FakePlatform p;
    p.programPath = "Q:\\disc\\tolvane.exe";
    p.AddFile("Q:\\disc\\AutoRun.KWP", kMenu);
    p.unwritable = c.query;
    EXPECT_EQ(RunLauncher(p), 0);
    EXPECT_EQ(p.messages, std::vector<ShownMessage>{c.message});
    // Nothing goes on with another path: no folder entered, no window.
    EXPECT_TRUE(p.folderChanges.empty());
    EXPECT_FALSE(p.messageLoopRan);
    EXPECT_TRUE(p.shellCalls.empty());
    EXPECT_TRUE(p.mciCommands.empty());
  }
}

TEST(FormCreate, EntersTheProgramFolderAndFillsTheListInFileOrder) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "B\r\n\r\nb.exe\r\nA\r\n\r\na.exe\r\n再起動\r\n.\r\n?reboot\r\n");
  ASSERT_TRUE(l.Start());
  const TForm1& f = *l.form;
  ASSERT_FALSE(l.platform.folderChanges.empty());
  EXPECT_EQ(l.platform.folderChanges.front(), "Q:\\disc");
  EXPECT_EQ(f.ListBox1.Items(), (std::vector<std::string>{"B", "A", "再起動"}));
  EXPECT_EQ(f.ListBox1.ItemIndex(), 0);
  EXPECT_TRUE(f.Shown());
  EXPECT_EQ(f.Caption(), "Tolvane");
}

TEST(FormCreate, TheFirstEntryIsDescribedBeforeTheSoundAndTheWindow) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", kMenu);
  l.DiscFile("Setup\\setup.exe", "MZ");
  l.DiscFile("Setup\\readme.txt", "説明");
  l.DiscFile("sound.kwp", "start.wav\r\nwait\r\n");
  l.DiscFile("start.wav", "RIFF");
  bool checked = false;
  l.platform.onMciCommand = [&](std::string_view command) {
    if (command != "Play File wait")
      return;
    const TForm1& f = *l.form;
    EXPECT_FALSE(f.Shown());
    EXPECT_EQ(f.Caption(), "Tolvane");
    EXPECT_EQ(f.RichEdit1.Text(), "説明");
    EXPECT_TRUE(f.Button1.Enabled());
    EXPECT_TRUE(f.RichEdit1.WordWrap());
    EXPECT_EQ(f.ListBox1.HorizontalExtent(), 12 * 13 / 2 + 5);
    EXPECT_EQ(f.RichEdit1.Left(), 241);
    checked = true;
  };
  ASSERT_TRUE(l.Start());
  EXPECT_TRUE(checked);
  EXPECT_TRUE(l.form->Shown());
}

TEST(FormCreate, AnUnreadableFirstDescriptionIsReportedAndTheWindowOpens) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", kMenu);
  l.platform.AddUnreadableFile("Q:\\disc\\Setup\\readme.txt", 5);
  ASSERT_TRUE(l.Start());
  EXPECT_TRUE(l.form->Shown());
  ASSERT_EQ(l.platform.messages.size(), 1u);
  EXPECT_EQ(l.platform.messages[0], (ShownMessage{"File access denied.", "Tolvane", 0x10}));
}

}  // namespace
}  // namespace tolvane
