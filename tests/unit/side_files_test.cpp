#include "menu/side_files.h"

#include <gtest/gtest.h>

#include "support/encoded_text.h"
#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;
using Commands = std::vector<std::string>;

TEST(DocumentNames, BlankLinesAndLeadingBlanksVanish) {
  DocumentNameList list;
  ReadDocumentNames("\r\n  about.rtf \r\n\r\n\tinfo.txt\r\n" + std::string(300, 'n') + "\r\n",
                    list);
  ASSERT_EQ(list.DocumentNameCount, 3);
  EXPECT_EQ(list.DocumentNames[0], "about.rtf ");
  EXPECT_EQ(list.DocumentNames[1], "info.txt");
  EXPECT_EQ(list.DocumentNames[2], std::string(255, 'n'));
}

TEST(DocumentNames, AtMostAHundred) {
  std::string bytes;
  for (int i = 1; i <= 150; ++i)
    bytes += "doc" + std::to_string(i) + ".txt\r\n";
  DocumentNameList list;
  ReadDocumentNames(bytes, list);
  EXPECT_EQ(list.DocumentNameCount, 100);
  EXPECT_EQ(list.DocumentNames[99], "doc100.txt");
}

TEST(SoundList, PlayModes) {
  struct Case {
    std::string line, command;
  } cases[] = {
      {"wait", "Play File wait"},    {"WAIT", "Play File wait"},     {"waiting", "Play File wait"},
      {"wai", "Play File notify"},   {"notify", "Play File notify"}, {"", "Play File notify"},
      {" wait", "Play File notify"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlayCommandFor(c.line), c.command) << c.line;
}

TEST(SoundList, GroupsOfFourTheLastCounts) {
  StartupFolders f;
  f.MenuDir = "Q:\\disc";
  f.WindowsDir = "C:\\WINDOWS";
  SoundSettings s;
  ReadSoundList(
      "a.wav\r\nwait\r\nb.wav\r\n\r\n\r\n %WindowsDir%\\c.wav\r\nnotify\r\n"
      "%KwtFileDir%\\d.mid\r\nWait\r\n",
      f, s);
  EXPECT_EQ(s.StartSoundFile, "C:\\WINDOWS\\c.wav");
  EXPECT_EQ(s.StartSoundCommand, "Play File notify");
  EXPECT_EQ(s.AboutSoundFile, "Q:\\disc\\d.mid");
  EXPECT_EQ(s.AboutSoundCommand, "Play File wait");

  SoundSettings shortGroup;
  ReadSoundList("start.wav\r\nwait\r\n", f, shortGroup);
  EXPECT_EQ(shortGroup.StartSoundFile, "start.wav");
  EXPECT_EQ(shortGroup.StartSoundCommand, "Play File wait");
  EXPECT_EQ(shortGroup.AboutSoundFile, "");
  EXPECT_EQ(shortGroup.AboutSoundCommand, "Play File notify");
}

TEST(StartUpSound, CommandsSentAtStartUp) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    bool unreadableSoundList;
    Commands commands;
  } cases[] = {
      {"sound list",
       {{"sound.kwp", "start.wav\r\nwait\r\n"}, {"start.wav", ""}},
       false,
       {"open \"Q:\\disc\\start.wav\" alias FILE", "Play File wait"}},
      {"sound list with an absolute path",
       {{"sound.kwp", "C:\\s\\start.wav\r\n"}, {"Autorun.wav", ""}},
       false,
       {}},
      {"wav before mid",
       {{"Autorun.wav", ""}, {"Autorun.mid", ""}},
       false,
       {"open \"Q:\\disc\\Autorun.wav\" alias FILE", "Play File notify"}},
      {"mid alone",
       {{"Autorun.mid", ""}},
       false,
       {"open \"Q:\\disc\\Autorun.mid\" alias FILE", "Play File notify"}},
      {"a sound list wins over the default",
       {{"sound.kwp", "x.wav\r\n"}, {"Autorun.wav", ""}},
       false,
       {}},
      {"an unreadable sound list is absent",
       {{"Autorun.wav", ""}},
       true,
       {"open \"Q:\\disc\\Autorun.wav\" alias FILE", "Play File notify"}},
      {"no sound", {}, false, {}},
      // Not even a file with "?" in the character's place.
      {"a sound beyond code page 932 is no file",
       {{"sound.kwp", testing::AsUtf8(u8"😀.wav\r\n")}, {"?.wav", ""}},
       false,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "E\r\n\r\n\r\n");
    for (const auto& [name, bytes] : c.files)
      l.DiscFile(name, bytes);
    if (c.unreadableSoundList)
      l.platform.AddUnreadableFile("Q:\\disc\\sound.kwp");
    ASSERT_TRUE(l.Start());
    EXPECT_EQ(l.platform.mciCommands, c.commands);
    EXPECT_TRUE(l.form->Shown());
  }
}

TEST(StartUpSound, AnAbsoluteSoundPathIsUsedUnchanged) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "E\r\n\r\n\r\n");
  l.DiscFile("sound.kwp", "C:\\s\\start.wav\r\n");
  l.platform.AddFile("C:\\s\\start.wav", "");
  ASSERT_TRUE(l.Start());
  EXPECT_EQ(l.platform.mciCommands,
            (Commands{"open \"C:\\s\\start.wav\" alias FILE", "Play File notify"}));
  l.form->Close();
  EXPECT_EQ(l.platform.mciCommands.back(), "close FILE");
  EXPECT_TRUE(l.form->Closed());
}

TEST(DocumentNames, InEveryEncodingAnEditorSaves) {
  const std::string mark = testing::kUtf8Mark;
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> names;
  } cases[] = {
      {"UTF-8 mark only", mark, {}},
      {"UTF-8 mark", mark + testing::AsUtf8(u8"説明.txt\r\n\r\n ソ.rtf"), {"説明.txt", "ソ.rtf"}},
      {"UTF-8 without a mark", testing::AsUtf8(u8"説明.txt"), {"説明.txt"}},
      {"code page 932", "説明.txt", {"説明.txt"}},
      {"UTF-16, odd byte count", testing::AsUtf16(u"説明.txt\r\n") + "\r", {"説明.txt"}},
      {"beyond code page 932", testing::AsUtf8(u8"説明😀.txt"), {"説明|.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "E\r\n\r\n\r\n");
    l.DiscFile("txt.kwp", c.bytes);
    ASSERT_TRUE(l.Start());
    const DocumentNameList& list = l.form->Documents;
    EXPECT_TRUE(list.DocumentNamesLoaded);
    EXPECT_EQ(std::vector<std::string>(list.DocumentNames.begin(),
                                       list.DocumentNames.begin() + list.DocumentNameCount),
              c.names);
  }
}

TEST(DocumentNames, AnUnreadableListIsAbsent) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "E\r\n\r\n\r\n");
  l.platform.AddUnreadableFile("Q:\\disc\\txt.kwp");
  l.DiscFile("readme.txt", "R");
  ASSERT_TRUE(l.Start());
  EXPECT_FALSE(l.form->Documents.DocumentNamesLoaded);
  EXPECT_EQ(l.form->RichEdit1.Text(), "R");
}

}  // namespace
}  // namespace tolvane
