#include "runtime/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "startup/option_scan.h"

namespace tolvane {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, SplitsAsTheRuntimeDoes) {
  struct Case {
    std::string line;
    Words words;
  } cases[] = {
      {"tolvane.exe", Words{"tolvane.exe"}},
      {"\"C:\\my disc\\tolvane.exe\" /i:x", Words{"C:\\my disc\\tolvane.exe", "/i:x"}},
      {"t  /o:\"%WindowsDir%\\a.exe %param%b\"", Words{"t", "/o:%WindowsDir%\\a.exe %param%b"}},
      {"t a\"b c\"d", Words{"t", "ab cd"}},
      {"t \"\" x", Words{"t", "x"}},
      {"t \"\"", Words{"t"}},
      {"t\ta\x01"
       "b",
       Words{"t", "a", "b"}},
      {"t \"unclosed word", Words{"t", "unclosed word"}},
      {"", Words{}},
      {"t \x83\x5C", Words{"t", "\x83\x5C"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;
    // Windows' UTF-16 command line splits alike (ASCII widens byte for byte).
    if (std::all_of(c.line.begin(), c.line.end(), [](char b) { return b >= 0; })) {
      std::vector<std::wstring> wide;
      for (const std::string& word : c.words)
        wide.emplace_back(word.begin(), word.end());
      EXPECT_EQ(SplitCommandLine(std::wstring(c.line.begin(), c.line.end())), wide) << c.line;
    }
  }
}

TEST(InstanceGuard, OnlyIAndOAllowASecondInstance) {
  struct Case {
    Words args;
    bool allowed;
  } cases[] = {
      {Words{"t"}, false},        {Words{"t", "/d:doc.rtf"}, false},
      {Words{"t", "/o:x"}, true}, {Words{"t", "/O:x"}, true},
      {Words{"t", "/I:x"}, true}, {Words{"t", "/d:x", "/i:menu.kwp"}, true},  // wherever it stands
      {Words{"t", "/i"}, false},  {Words{"t", "/o"}, false},
      {Words{"t", "o:"}, false},  {Words{"t", "/o:" + std::string(300, 'x')}, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AllowsSecondInstance(ReadCommandOptions(c.args)), c.allowed) << c.args.back();
}

}  // namespace
}  // namespace tolvane
