#include "runtime/cp932_text.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

// ソ is 0x83 0x5C and 表 is 0x95 0x5C: their trail byte is the backslash byte.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";

TEST(Cp932Text, TrailingBackslashIsRemovedOnlyWhenItIsACharacter) {
  struct Case {
    std::string in, removed, added;
  } cases[] = {
      {"C:\\disc\\", "C:\\disc", "C:\\disc\\"},
      {"C:\\disc", "C:\\disc", "C:\\disc\\"},
      {"C:\\" + kSo, "C:\\" + kSo, "C:\\" + kSo + "\\"},
      {"C:\\" + kSo + "\\", "C:\\" + kSo, "C:\\" + kSo + "\\"},
      {"sub\\\\", "sub\\", "sub\\\\"},
      {"", "", "\\"},
      {"\\", "", "\\"},
      {"x\x83", "x\x83", "x\x83\\"},  // a lone lead byte at the end stands alone
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RemoveTrailingBackslash(c.in), c.removed) << c.in;
    EXPECT_EQ(AddTrailingBackslash(c.in), c.added) << c.in;
  }
}

TEST(Cp932Text, PathParts) {
  struct Case {
    std::string path, folder, file, drive;
  } cases[] = {
      {"C:\\disc\\tolvane.exe", "C:\\disc", "tolvane.exe", "C:"},
      {"C:\\tolvane.exe", "C:\\", "tolvane.exe", "C:"},
      {"C:tolvane.exe", "C:", "tolvane.exe", "C:"},
      {"tolvane.exe", "", "tolvane.exe", ""},
      {"\\\\server\\share\\menu\\AutoRun.KWP", "\\\\server\\share\\menu", "AutoRun.KWP",
       "\\\\server\\share"},
      {"\\\\server\\share", "\\\\server", "share", "\\\\server\\share"},
      {"D:\\" + kSo + "\\" + kHyo + ".txt", "D:\\" + kSo, kHyo + ".txt", "D:"},
      {"D:\\a" + kSo, "D:\\", "a" + kSo, "D:"},
      {"sub\\", "sub", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNamePart(c.path), c.file) << c.path;
    EXPECT_EQ(DrivePart(c.path), c.drive) << c.path;
  }
}

TEST(Cp932Text, DrivePartDetection) {
  EXPECT_TRUE(HasDrivePart("C:"));
  EXPECT_TRUE(HasDrivePart("q:\\x"));
  EXPECT_TRUE(HasDrivePart("\\\\server\\share"));
  EXPECT_FALSE(HasDrivePart("\\root"));
  EXPECT_FALSE(HasDrivePart("Setup"));
  EXPECT_FALSE(HasDrivePart(""));
  EXPECT_FALSE(HasDrivePart("C"));
}

TEST(Cp932Text, ExtensionFollowsTheLastDelimiter) {
  struct Case {
    std::string path, extension;
  } cases[] = {
      {"setup.exe", ".exe"},        {"setup.exe ", ".exe "}, {"a.b\\setup", ""},
      {"dir.x\\doc.tar.gz", ".gz"}, {"C:.exe", ".exe"},      {"noext", ""},
      {kSo + ".exe", ".exe"},       {"x." + kSo, "." + kSo},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExtensionPart(c.path), c.extension) << c.path;
}

TEST(Cp932Text, DeviceNamesInAnyFolder) {
  struct Case {
    const char* path;
    bool device;
  } cases[] = {
      {"CON", true},
      {"Q:\\disc\\nul", true},
      {"Q:\\disc\\com1.txt", true},
      {"Q:\\disc\\LPT9 ", true},
      {"aux.", true},
      {"Q:\\CON\\readme.txt", false},
      {"COM0", false},
      {"COM10", false},
      {"CONSOLE", false},
      {"\x83\x5C", false},
      {"", false},
      {"Q:\\disc\\PRN.a.b", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NamesDevice(c.path), c.device) << c.path;
}

TEST(Cp932Text, ComparisonsFoldSingleByteLettersOnly) {
  EXPECT_TRUE(EqualsIgnoreCase("/I:", "/i:"));
  EXPECT_TRUE(EqualsIgnoreCase("[kwt setting]", "[KWT Setting]"));
  EXPECT_FALSE(EqualsIgnoreCase("[KWT Setting] ", "[KWT Setting]"));
  // ａ (0x82 0x81) and Ａ (0x82 0x60) are different characters.
  EXPECT_FALSE(EqualsIgnoreCase("\x82\x81", "\x82\x60"));
  EXPECT_TRUE(StartsWithIgnoreCase("HTTP://x", "http://"));
  EXPECT_FALSE(StartsWithIgnoreCase("http:/", "http://"));
}

TEST(Cp932Text, SearchNeverMatchesFromATrailByte) {
  // パ is 0x83 0x70: its trail byte is "p".
  const std::string text =
      "\x83\x70"
      "aram%param%";
  EXPECT_EQ(FindIgnoreCase(text, "%PARAM%"), 6u);
  EXPECT_EQ(FindIgnoreCase("\x83\x70", "p"), std::string::npos);
  EXPECT_EQ(FindIgnoreCase("x\x83", "\x83"), 1u);  // a lone lead byte at the end
  EXPECT_EQ(FindIgnoreCase("abc", ""), std::string::npos);
  EXPECT_EQ(FindIgnoreCase("%temp%%TEMP%", "%temp%", 1), 6u);
}

TEST(Cp932Text, ShortStringKeepsTheFirst255Bytes) {
  EXPECT_EQ(ShortString(std::string(300, 'x')).size(), 255u);
  EXPECT_EQ(ShortString("abc"), "abc");
}

}  // namespace
}  // namespace tolvane
