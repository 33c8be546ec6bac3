#include "startup/placeholders.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

StartupFolders Folders() {
  StartupFolders f;
  f.ApplicationDir = "Q:";
  f.MenuDir = "Q:\\menu";
  f.WindowsDir = "C:\\WINDOWS";
  f.SystemDir = "C:\\WINDOWS\\system32";
  f.TempDir = "C:\\TEMP";
  f.RootDrive = "C:";
  f.ProgramFilesDir = "C:\\Program Files";
  return f;
}

TEST(Placeholders, MenuSetReplacesEveryOccurrenceIgnoringCase) {
  const StartupFolders f = Folders();
  struct Case {
    std::string in, out;
  } cases[] = {
      {"%WindowsDir%\\notepad.exe", "C:\\WINDOWS\\notepad.exe"},
      {"%windowsdir%\\x", "C:\\WINDOWS\\x"},
      {"%WINDOWSDIR%\\x", "C:\\WINDOWS\\x"},
      {"%TempDir%\\a;%TempDir%\\b", "C:\\TEMP\\a;C:\\TEMP\\b"},
      {"%root%\\", "C:\\"},
      {"%ProgramFiles%\\App", "C:\\Program Files\\App"},
      {"%ApplicationDir%\\readme.txt", "Q:\\readme.txt"},
      {"%KwtFileDir%\\doc", "Q:\\menu\\doc"},
      {"%SystemDir%", "C:\\WINDOWS\\system32"},
      {"%param%", "%param%"},
      {"%Temp Dir%", "%Temp Dir%"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExpandMenuPlaceholders(c.in, f, TextLimit::ShortString), c.out) << c.in;
}

TEST(Placeholders, AnInsertedValueIsNeverSearchedAgain) {
  StartupFolders f = Folders();
  f.TempDir = "%TempDir%";
  f.WindowsDir = "%SystemDir%";  // a later token still applies to it, in its own step
  EXPECT_EQ(ExpandMenuPlaceholders("%TempDir%x%TempDir%", f, TextLimit::None),
            "%TempDir%x%TempDir%");
  EXPECT_EQ(ExpandMenuPlaceholders("%WindowsDir%", f, TextLimit::None), "C:\\WINDOWS\\system32");
}

TEST(Placeholders, AShortStringIsCutAfterEveryStep) {
  StartupFolders f = Folders();
  f.TempDir = std::string(250, 't');
  // After "%TempDir%" the text is 250 + 10 bytes, cut to 255: the "%Root%" that
  // followed is gone before its own step.
  const std::string field = "%TempDir%\\x%Root%";
  EXPECT_EQ(ExpandMenuPlaceholders(field, f, TextLimit::ShortString),
            std::string(250, 't') + "\\x%Ro");
  EXPECT_EQ(ExpandMenuPlaceholders(field, f, TextLimit::None), std::string(250, 't') + "\\xC:");
}

// A sound-list line of 240 KB: every placeholder, a trail byte "\" (ソ) and a
// lowercase ASCII trail byte (ア is 0x83 0x41, not "%A") beside them.
TEST(Placeholders, ALongLineExpandsCompletely) {
  const StartupFolders f = Folders();
  const std::string unit =
      "\x83\x5C%root%\x83\x41pplicationDir%%ApplicationDir%;%KWTFILEDIR%%TempDir%";
  const std::string expanded =
      "\x83\x5C"
      "C:\x83\x41pplicationDir%Q:;Q:\\menuC:\\TEMP";
  std::string line, want;
  while (line.size() < 240 * 1024) {
    line += unit;
    want += expanded;
  }
  EXPECT_EQ(ExpandMenuPlaceholders(line, f, TextLimit::None), want);
  const std::string firstOnly =
      "\x83\x5C"
      "C:\x83\x41pplicationDir%%ApplicationDir%;%KWTFILEDIR%C:\\TEMP";
  EXPECT_EQ(ExpandOpenPlaceholders(line, f), firstOnly + line.substr(unit.size()));
}

TEST(Placeholders, OpenSetReplacesTheFirstOccurrenceOnly) {
  const StartupFolders f = Folders();
  EXPECT_EQ(ExpandOpenPlaceholders("%TempDir%\\a %TempDir%", f), "C:\\TEMP\\a %TempDir%");
  EXPECT_EQ(ExpandOpenPlaceholders("%ApplicationDir%\\a %KwtFileDir%", f),
            "%ApplicationDir%\\a %KwtFileDir%");
  EXPECT_EQ(ExpandOpenPlaceholders("%ROOT%\\x", f), "C:\\x");
}

TEST(Placeholders, SplitAtParam) {
  struct Case {
    std::string in, file, params;
  } cases[] = {
      {"C:\\WINDOWS\\notepad.exe %param%readme.txt", "C:\\WINDOWS\\notepad.exe", "readme.txt"},
      {"prog.exe %PARAM% -x", "prog.exe", " -x"},
      {"prog.exe", "prog.exe", ""},
      {"%param%x", "", "x"},
      {"a%param%x", "", "x"},
      {"ab%param%", "a", ""},
      {"a %param% %param%", "a", " %param%"},
  };
  for (const Case& c : cases) {
    const FileAndParams split = SplitAtParam(c.in);
    EXPECT_EQ(split.file, c.file) << c.in;
    EXPECT_EQ(split.params, c.params) << c.in;
  }
}

}  // namespace
}  // namespace tolvane
