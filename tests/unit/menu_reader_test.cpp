#include "menu/menu_reader.h"

#include <gtest/gtest.h>

#include "menu/menu_messages.h"
#include "runtime/cp932_table.h"
#include "support/encoded_text.h"
#include "support/fake_platform.h"

namespace tolvane {
namespace {

using testing::FakePlatform;
using testing::ShownMessage;

StartupFolders DiscFolders() {
  StartupFolders f;
  f.ApplicationDir = f.MenuDir = "Q:\\disc";
  f.ApplicationDirSlash = f.MenuDirSlash = "Q:\\disc\\";
  f.WindowsDir = "C:\\WINDOWS";
  f.TempDir = "C:\\TEMP";
  f.RootDrive = "C:";
  return f;
}

int ByteWidth(std::string_view caption) {
  return static_cast<int>(caption.size()) * 3;
}

LauncherTable Read(const std::string& bytes) {
  LauncherTable table;
  ReadMenuRecords(DecodeText(bytes, BuiltInCp932(), StandIn::Marked), DiscFolders(), ByteWidth,
                  table);
  return table;
}

TEST(MenuRecords, TheExampleMenu) {
  const LauncherTable t =
      Read("セットアップ\r\nSetup\r\nsetup.exe\r\n\r\n再起動\r\n.\r\n?reboot\r\n");
  ASSERT_EQ(t.EntryCount, 2);
  EXPECT_EQ(t.Entry(1)->Caption, "セットアップ");
  EXPECT_EQ(t.Entry(1)->Folder, "Setup");
  EXPECT_EQ(t.Entry(1)->Target, "setup.exe");
  EXPECT_EQ(t.Entry(2)->Caption, "再起動");
  EXPECT_EQ(t.Entry(2)->Folder, ".");
  EXPECT_EQ(t.Entry(2)->Target, "?reboot");
  EXPECT_EQ(t.Entry(3), nullptr);
  EXPECT_EQ(t.ListCaptionMaxWidth, 12 * 3);
}

TEST(MenuRecords, FolderNormalisation) {
  struct Case {
    std::string folderLine, targetLine, folder;
  } cases[] = {
      {"sub\\", "a.exe", "sub"},
      {"sub/", "a.exe", "sub"},
      {"sub/\\", "a.exe", "sub"},
      {"sub\\\\", "a.exe", "sub\\"},
      {"", "a.exe", "."},
      {".", "", ""},
      {"", "", ""},
      {"\\", "a.exe", ""},
      {"\x83\x5C", "a.exe", "\x83\x5C"},  // ソ keeps its trail byte
      {" sub ", "a.exe", " sub "},
      {"%TEMPDIR%\\x", "a.exe", "C:\\TEMP\\x"},
      {"%root%", "%KwtFileDir%\\a.exe", "C:"},
  };
  for (const Case& c : cases) {
    const LauncherTable t = Read("Caption\r\n" + c.folderLine + "\r\n" + c.targetLine + "\r\n");
    ASSERT_EQ(t.EntryCount, 1);
    EXPECT_EQ(t.Entry(1)->Folder, c.folder) << "folder line '" << c.folderLine << "'";
  }
  EXPECT_EQ(Read("C\r\n\r\n%KwtFileDir%\\a.exe\r\n").Entry(1)->Target, "Q:\\disc\\a.exe");
}

TEST(MenuRecords, DamagedFiles) {
  // A 300-byte line keeps 255 bytes; the next field is the next line.
  LauncherTable t = Read(std::string(300, 'c') + "\r\nfolder\r\ntarget\r\n");
  ASSERT_EQ(t.EntryCount, 1);
  EXPECT_EQ(t.Entry(1)->Caption, std::string(255, 'c'));
  EXPECT_EQ(t.Entry(1)->Folder, "folder");
  EXPECT_EQ(t.Entry(1)->Target, "target");

  // 0x1A ends the menu; a record cut short still counts.
  t = Read(
      "A\r\nf\r\nx.exe\r\nB\r\n\x1A"
      "C\r\nf\r\nt\r\n");
  ASSERT_EQ(t.EntryCount, 2);
  EXPECT_EQ(t.Entry(2)->Caption, "B");
  EXPECT_EQ(t.Entry(2)->Folder, "");
  EXPECT_EQ(t.Entry(2)->Target, "");

  // Blank lines only, or nothing at all.
  EXPECT_EQ(Read("\r\n \r\n\t\r\n").EntryCount, 0);
  EXPECT_EQ(Read("").EntryCount, 0);

  // A blank caption line is skipped: the folder line becomes the caption.
  t = Read("\r\n  Caption\r\nfolder\r\ntarget\r\n");
  EXPECT_EQ(t.Entry(1)->Caption, "Caption");

  // The last byte is a lone lead byte: no read past the end.
  t = Read("A\r\nf\r\nx\x83");
  EXPECT_EQ(t.Entry(1)->Target, "x\x83");
}

// As editors save it. A character code page 932 cannot hold is "?" in a
// caption (not a blank to skip); in a folder or target it names nothing, and
// the target is neither an address nor a system action.
TEST(MenuRecords, InEveryEncodingAnEditorSaves) {
  using testing::AsUtf16;
  using testing::AsUtf8;
  const std::string mark = testing::kUtf8Mark;
  const char16_t* record = u"再起動\r\n.\r\n?reboot\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> fields;  // caption, folder and target of each entry
  } cases[] = {
      {"UTF-8 mark only", mark, {}},
      {"UTF-8 mark and a line end", mark + "\r\n", {}},
      {"UTF-8 mark", mark + AsUtf8(u8"再起動\r\n.\r\n?reboot"), {"再起動", ".", "?reboot"}},
      {"UTF-8 without a mark", AsUtf8(u8"再起動\r\n.\r\n?reboot"), {"再起動", ".", "?reboot"}},
      {"UTF-16", AsUtf16(record), {"再起動", ".", "?reboot"}},
      {"UTF-16 big-endian, odd byte count",
       AsUtf16(record, false) + "x",
       {"再起動", ".", "?reboot"}},
      {"code page 932 as it is", "A\xFF\r\n\x83\x5C\r\nt", {"A\xFF", "\x83\x5C", "t"}},
      {"katakana pairs that are UTF-8", "ﾃｨ\r\n.\r\nt", {"?", ".", "t"}},
      {"beyond code page 932",
       AsUtf8(u8"😀起動\r\n😀\\sub\\\r\nhttp://x/😀\r\nB\r\n.\r\n?reboot😀"),
       {"?起動", "||\\sub", "|http://x/|", "B", ".", "|?reboot|"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LauncherTable t = Read(c.bytes);
    std::vector<std::string> fields;
    for (int n = 1; n <= t.EntryCount; ++n)
      fields.insert(fields.end(), {t.Entry(n)->Caption, t.Entry(n)->Folder, t.Entry(n)->Target});
    EXPECT_EQ(fields, c.fields);
  }
  const DecodedText header = DecodeText(mark + "[KWT Setting]", BuiltInCp932(), StandIn::Marked);
  EXPECT_TRUE(StartsWithSettingsHeader(header.text));
}

TEST(MenuRecords, StopsStoringAtTheHundredthRecord) {
  std::string bytes;
  for (int i = 1; i <= 150; ++i)
    bytes += "E" + std::to_string(i) + "\r\nf\r\nt\r\n";
  const LauncherTable t = Read(bytes);
  EXPECT_EQ(t.EntryCount, 100);
  EXPECT_EQ(t.Entry(100)->Caption, "E100");
}

TEST(MenuRecords, BinaryGarbageNeverOverflows) {
  std::string garbage;
  unsigned state = 12345;
  for (int i = 0; i < 100000; ++i) {
    state = state * 1103515245u + 12345u;
    garbage += static_cast<char>(state >> 24);
  }
  const LauncherTable t = Read(garbage);
  EXPECT_LE(t.EntryCount, 100);
  for (int n = 1; n <= t.EntryCount; ++n) {
    EXPECT_LE(t.Entry(n)->Caption.size(), 255u);
    EXPECT_LE(t.Entry(n)->Folder.size(), 255u);
    EXPECT_LE(t.Entry(n)->Target.size(), 255u);
  }
}

TEST(SettingsHeader, ExactFirstLineOnly) {
  EXPECT_TRUE(StartsWithSettingsHeader("[KWT Setting]\r\nx"));
  EXPECT_TRUE(StartsWithSettingsHeader("[kwt setting]"));
  EXPECT_FALSE(StartsWithSettingsHeader(" [KWT Setting]\r\n"));
  EXPECT_FALSE(StartsWithSettingsHeader("[KWT Setting] \r\n"));
  EXPECT_FALSE(StartsWithSettingsHeader("[KWT Setting]xx\r\n"));
  EXPECT_FALSE(StartsWithSettingsHeader("\r\n[KWT Setting]\r\n"));
  EXPECT_FALSE(StartsWithSettingsHeader(""));
}

// The choice of menu file, its messages and what happens next.
struct ChoiceCase {
  const char* name;
  std::vector<std::string> files;       // in Q:\disc
  std::vector<std::string> unreadable;  // in Q:\disc
  bool onCdRom;
  MenuOutcome outcome;
  std::vector<ShownMessage> messages;
  int entries;
};

constexpr const char* kRecord = "Caption\r\nfolder\r\ntarget.exe\r\n";
constexpr const char* kHeader = "[KWT Setting]\r\nCaption\r\nfolder\r\ntarget.exe\r\n";

ShownMessage Message(MenuMessage m, std::string_view fileName = {}) {
  const MessageText t = MenuMessageText(m, fileName);
  return {t.text, "Tolvane", t.style};
}

TEST(MenuChoice, EveryBranch) {
  const ChoiceCase cases[] = {
      {"kwp only", {"AutoRun.KWP"}, {}, false, MenuOutcome::Continue, {}, 1},
      {"kwt wins over kwp",
       {"AutoRun.KWT", "AutoRun.KWP"},
       {},
       false,
       MenuOutcome::Continue,
       {},
       0},
      {"kwp with plain ini",
       {"AutoRun.KWP", "AutoRun.INI"},
       {},
       false,
       MenuOutcome::Continue,
       {},
       1},
      {"kwp with settings ini",
       {"AutoRun.KWP", "settings:AutoRun.INI"},
       {},
       false,
       MenuOutcome::Continue,
       {},
       1},
      {"nothing", {}, {}, false, MenuOutcome::EndProgram, {Message(MenuMessage::NoMenuFile)}, 0},
      {"settings ini only",
       {"settings:AutoRun.INI"},
       {},
       false,
       MenuOutcome::EndProgram,
       {Message(MenuMessage::OnlySettingsFile)},
       0},
      {"ini off a cd",
       {"AutoRun.INI"},
       {},
       false,
       MenuOutcome::Continue,
       {Message(MenuMessage::RenameAdvice)},
       1},
      {"ini on a cd", {"AutoRun.INI"}, {}, true, MenuOutcome::Continue, {}, 1},
      {"kwp unreadable",
       {},
       {"AutoRun.KWP"},
       false,
       MenuOutcome::EndProgram,
       {Message(MenuMessage::KwpReadError)},
       0},
      {"ini unreadable",
       {},
       {"AutoRun.INI"},
       false,
       MenuOutcome::EndProgram,
       {Message(MenuMessage::IniReadError)},
       0},
      {"kwp beside an unreadable ini",
       {"AutoRun.KWP"},
       {"AutoRun.INI"},
       false,
       MenuOutcome::EndProgram,
       {Message(MenuMessage::IniReadError)},
       1},
      {"names match ignoring case", {"autorun.kwp"}, {}, false, MenuOutcome::Continue, {}, 1},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform p;
    p.programPath = "Q:\\disc\\tolvane.exe";
    if (c.onCdRom)
      p.SetDriveType("Q:", kDriveCdRom);
    for (std::string file : c.files) {
      const bool settings = file.rfind("settings:", 0) == 0;
      if (settings)
        file = file.substr(9);
      p.AddFile("Q:\\disc\\" + file, settings ? kHeader : kRecord);
    }
    for (const std::string& file : c.unreadable)
      p.AddUnreadableFile("Q:\\disc\\" + file);
    LauncherTable table;
    const MenuOutcome outcome =
        ReadMenu(p, "Tolvane", DiscFolders(), MenuChoice{}, ByteWidth, table);
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(p.messages, c.messages);
    EXPECT_EQ(table.EntryCount, c.entries);
  }
}

TEST(MenuChoice, MenuFileNamedOnTheCommandLine) {
  FakePlatform p;
  p.AddFile("Q:\\disc\\AutoRun.KWP", kRecord);
  const MenuChoice choice{true, "Q:\\disc\\sub\\other.kwp"};
  LauncherTable table;

  // Missing: M1 with the file-name part; no other file is looked at.
  EXPECT_EQ(ReadMenu(p, "Tolvane", DiscFolders(), choice, ByteWidth, table),
            MenuOutcome::EndProgram);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0], (ShownMessage{"ファイル \"other.kwp\" がありません", "Tolvane", 0x30}));

  p.messages.clear();
  p.AddUnreadableFile("Q:\\disc\\sub\\other.kwp");
  EXPECT_EQ(ReadMenu(p, "Tolvane", DiscFolders(), choice, ByteWidth, table),
            MenuOutcome::EndProgram);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0], (ShownMessage{"\"other.kwp\"の読み込みエラー", "Tolvane", 0x10}));

  p.messages.clear();
  p.AddFile("Q:\\disc\\sub\\other.kwp", "[KWT Setting]\r\nf\r\nt\r\n");
  EXPECT_EQ(ReadMenu(p, "Tolvane", DiscFolders(), choice, ByteWidth, table), MenuOutcome::Continue);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_EQ(table.Entry(1)->Caption, "[KWT Setting]");  // no header test for "/i:"
}

TEST(MenuMessages, ExactTexts) {
  struct Case {
    MenuMessage message;
    std::string text;
    unsigned style;
  } cases[] = {
      {MenuMessage::NoMenuFile, "\"Autorun.KWP\" がありません", 0x30},
      {MenuMessage::OnlySettingsFile, "\"Autorun.KWP\"がありません", 0x30},
      {MenuMessage::IniReadError, "\"Autorun.INI\"の読み込みエラー", 0x10},
      {MenuMessage::KwpReadError, "\"Autorun.KWP\"の読み込みエラー", 0x10},
      {MenuMessage::RenameAdvice,
       "次回より \"Autorun.INI\" のファイル名を、\"Autorun.KWP\" に変更してください。\n\r"
       "（詳しくは \"Readme.txt\" を参照してください。）",
       0x40},
  };
  for (const Case& c : cases) {
    const MessageText m = MenuMessageText(c.message);
    EXPECT_EQ(m.text, c.text);
    EXPECT_EQ(m.style, c.style);
  }
}

}  // namespace
}  // namespace tolvane
