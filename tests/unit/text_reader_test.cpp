#include "runtime/text_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolvane {
namespace {

std::vector<std::string> AllLines(const std::string& bytes, std::size_t limit) {
  TextReader reader(bytes);
  std::vector<std::string> lines;
  while (!reader.AtEnd())
    lines.push_back(reader.ReadLine(limit));
  return lines;
}

TEST(TextReader, LineEnds) {
  using Lines = std::vector<std::string>;
  struct Case {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"a\r\nb\nc", Lines{"a", "b", "c"}},
      {"a\rb\r\n", Lines{"ab"}},  // a lone CR is dropped
      {"a\r\n\r\nb", Lines{"a", "", "b"}},
      {"a\nb\x1A"
       "c\nd",
       Lines{"a", "b"}},  // 0x1A ends the file
      {"\x1A"
       "abc",
       Lines{}},
      {"abc\r", Lines{"abc"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AllLines(c.bytes, TextReader::kNoLimit), c.lines);
}

TEST(TextReader, ALongLineKeepsItsStartAndTheRestIsSkipped) {
  const std::string bytes = std::string(300, 'x') + "\r\nnext\r\n";
  const auto lines = AllLines(bytes, 255);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(255, 'x'));
  EXPECT_EQ(lines[1], "next");
}

TEST(TextReader, SkippingBlanksReportsTheEnd) {
  const std::string bytes("\r\n \t\x01\x00 x\r\n  \r\n", 14);
  TextReader reader(bytes);
  EXPECT_FALSE(reader.SkipBlanksToEnd());
  EXPECT_EQ(reader.ReadLine(), "x");
  EXPECT_TRUE(reader.SkipBlanksToEnd());
  EXPECT_EQ(reader.ReadLine(), "");  // reading past the end gives empty lines
}

}  // namespace
}  // namespace tolvane
