#include "aboutbox1/version_info.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "runtime/runtime_error.h"
#include "support/fake_platform.h"

namespace tolvane {
namespace {

using namespace std::string_literals;
using testing::FakePlatform;
using testing::FakeVersionInfo;

const char* const kProgram = "C:\\disc\\tolvane.exe";
const char* const kTranslationQuery = "\\VarFileInfo\\Translation";

// One translation entry as the resource stores it: language, then code page.
std::string Translation(std::uint16_t language, std::uint16_t codePage) {
  return {static_cast<char>(language & 0xFF), static_cast<char>(language >> 8),
          static_cast<char>(codePage & 0xFF), static_cast<char>(codePage >> 8)};
}

VersionText Text(const std::string& chars) {
  return {chars.size(), chars};
}

TEST(VersionInfo, QueryPathTakesFourUpperCaseHexDigitsEach) {
  EXPECT_EQ(VersionQueryPath(0x0411, 932, "FileVersion"),
            "\\StringFileInfo\\041103A4\\FileVersion");
  EXPECT_EQ(VersionQueryPath(0x0c0a, 0x4e4, "ProductName"),
            "\\StringFileInfo\\0C0A04E4\\ProductName");
  EXPECT_EQ(VersionQueryPath(0, 0xFFFF, "Comments"), "\\StringFileInfo\\0000FFFF\\Comments");
}

struct ReadCase {
  const char* what;
  bool hasResource;
  std::string translation;
  std::map<std::string, VersionText> strings;
  std::uint8_t key;
  std::string expected;  // the caller passes "as passed"
  std::vector<std::string> queries;
};

TEST(VersionInfo, ReadsTheValueUnderTheFirstTranslationOnly) {
  const std::string japanese = Translation(0x0411, 932);
  const std::string path = "\\StringFileInfo\\041103A4\\";
  const ReadCase cases[] = {
      {"the program's version",
       true,
       japanese,
       {{path + "FileVersion", Text("1.9.8.0\0"s)}},
       3,
       "1.9.8.0",
       {kTranslationQuery, path + "FileVersion"}},
      {"the copyright line",
       true,
       japanese,
       {{path + "LegalCopyright", Text("(C) 2026 作者\0"s)}},
       5,
       "(C) 2026 作者",
       {kTranslationQuery, path + "LegalCopyright"}},
      {"the copy stops at the value's NUL",
       true,
       japanese,
       {{path + "Comments", {6, "ab\0cd\0"s}}},
       0,
       "ab",
       {kTranslationQuery, path + "Comments"}},
      {"a value of length 0 is missing",
       true,
       japanese,
       {{path + "Comments", {0, "x"}}},
       0,
       "as passed",
       {kTranslationQuery, path + "Comments"}},
      {"a key the string table lacks",
       true,
       japanese,
       {{path + "FileVersion", Text("1\0"s)}},
       11,
       "as passed",
       {kTranslationQuery, path + "SpecialBuild"}},
      {"a string table under the second translation is never found",
       true,
       Translation(0x0409, 1252) + japanese,
       {{path + "FileVersion", Text("1.9.8.0\0"s)}},
       3,
       "as passed",
       {kTranslationQuery, "\\StringFileInfo\\040904E4\\FileVersion"}},
      {"a program without a version resource", false, "", {}, 3, "as passed", {}},
      {"a key beyond the table", true, japanese, {}, 12, "as passed", {}},
  };
  for (const ReadCase& c : cases) {
    FakePlatform platform;
    platform.programPath = kProgram;
    if (c.hasResource)
      platform.versionInfos[kProgram] = FakeVersionInfo{c.translation, c.strings};
    std::string value = "as passed";
    GetVersionInfoString(platform, c.key, value);
    EXPECT_EQ(value, c.expected) << c.what;
    EXPECT_EQ(platform.versionQueries, c.queries) << c.what;
  }
}

TEST(VersionInfo, NoTranslationTableRaisesAndLeavesTheValue) {
  for (const std::string& translation : {std::string(), std::string("\x11\x04", 2)}) {
    FakePlatform platform;
    platform.programPath = kProgram;
    platform.versionInfos[kProgram] = FakeVersionInfo{translation, {}};
    std::string value = "as passed";
    try {
      GetVersionInfoString(platform, 3, value);
      ADD_FAILURE() << "no error for a translation table of " << translation.size() << " bytes";
    } catch (const RuntimeError& error) {
      EXPECT_STREQ(error.what(), "情報の取得に失敗しました");
    }
    EXPECT_EQ(value, "as passed");
    EXPECT_EQ(platform.versionQueries, std::vector<std::string>{kTranslationQuery});
  }
}

}  // namespace
}  // namespace tolvane
