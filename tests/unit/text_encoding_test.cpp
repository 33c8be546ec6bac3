#include "runtime/text_encoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "runtime/cp932_table.h"
#include "runtime/text_report.h"
#include "support/encoded_text.h"

namespace tolvane {
namespace {

using namespace std::string_literals;
using enum TextEncoding;
using testing::AsUtf16;
using testing::AsUtf8;
const std::string kMark = testing::kUtf8Mark;

std::string ReadData(const std::string& name) {
  std::ifstream file(std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / name,
                     std::ios::binary);
  EXPECT_TRUE(file.good()) << name;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// The edges of the rules (the menu file's table has the marks), the mapping
// to code page 932, and what a disc checker is told of the bytes.
TEST(TextEncoding, RulesMappingAndReport) {
  struct Case {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    std::string text;  // as shown: "?" for what code page 932 cannot hold
    std::string unicode;
    bool invalid;
    std::size_t unmappable;
  } cases[] = {
      {"half a mark", "\xEF\xBB", Cp932, "\xEF\xBB", "", true, 0},
      {"code page 932, no UTF-8", "再起動ｾｯﾄ①ⅰ", Cp932, "再起動ｾｯﾄ①ⅰ", "", false, 0},
      {"code page 932, a lead byte at the end", "再\x8B", Cp932, "再\x8B", "", true, 0},
      {"code page 932, an unassigned code", "a\x85\x40", Cp932, "a\x85\x40", "", true, 0},
      // Half-width katakana that pair into UTF-8 ("è"): strict UTF-8 wins, as
      // in today's editors; a whole file of such pairs is all but unknown.
      {"katakana pairs that are UTF-8", "ﾃｨﾃｨ", Utf8, "??", AsUtf8(u8"èè"), false, 2},
      {"overlong UTF-8", "\xC0\xAF", Cp932, "\xC0\xAF", "", false, 0},
      {"a surrogate in UTF-8", "\xED\xA0\x80", Cp932, "\xED\xA0\x80", "", true, 0},
      {"UTF-8 mark and broken bytes", kMark + "a\xE3\x81" + "b", Utf8WithMark, "a?b",
       AsUtf8(u8"a\uFFFDb"), true, 0},
      {"UTF-16 odd byte count", AsUtf16(u"ab") + "c", Utf16Le, "ab", "ab", true, 0},
      {"UTF-16 beyond cp932", AsUtf16(u"𠮷a한"), Utf16Le, "?a?", AsUtf8(u8"𠮷a한"), false, 2},
      {"UTF-16 lone surrogate", "\xFF\xFE\x00\xD8\x61\x00"s, Utf16Le, "?a", AsUtf8(u8"\uFFFDa"),
       true, 0},
      // No near character: "¥" is not "\", a wave dash not a full-width tilde.
      {"no best fit", AsUtf8(u8"¥〜～"), Utf8, "??～", AsUtf8(u8"¥〜～"), false, 2},
      // As Windows writes them: NEC's row 13 before IBM's, IBM's extensions
      // (0xFA...) before NEC's selection of them (0xED...), row 2 first.
      {"duplicate codes", AsUtf8(u8"①ⅰ纊∵"), Utf8, "\x87\x40\xFA\x40\xFA\x5C\x81\xE6",
       AsUtf8(u8"①ⅰ纊∵"), false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedText decoded = DecodeText(c.bytes, BuiltInCp932(), StandIn::Shown);
    const TextReport report = ExamineText(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.unicode, c.unicode);
    EXPECT_EQ(report.encoding, c.encoding);
    EXPECT_EQ(report.invalid, c.invalid);
    EXPECT_EQ(report.unmappable, c.unmappable);
  }
  const TextReport report = ExamineText(AsUtf16(u"再𠮷한"));
  EXPECT_EQ(report.firstUnmappable, char32_t{0x20BB7});  // 𠮷
  EXPECT_EQ(report.firstUnmappableAt, 4u);
}

// The built-in table against glibc's iconv, made apart from it: every code
// reads as iconv reads it, and every character is written as iconv writes it.
TEST(Cp932Table, AgreesWithIconvBothWays) {
  std::istringstream lines(ReadData("cp932_iconv.txt"));
  int codes = 0;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream cells(line);
    unsigned lead = 0, position = 0;
    if (line[0] == '#' || !(cells >> std::hex >> lead))
      continue;
    for (std::string cell; cells >> cell; ++position) {
      const unsigned code =
          lead == 0 ? 0x80 + position : lead << 8 | (position + 0x40 + (position > 0x3E));
      const unsigned value = cell == "-" ? 0 : std::stoul(cell, nullptr, 16);
      const std::size_t arrow = cell.find('>');
      const unsigned written =
          arrow == std::string::npos ? code : std::stoul(cell.substr(arrow + 1), nullptr, 16);
      ASSERT_EQ(BuiltInCp932().Decode(static_cast<std::uint16_t>(code)), value) << std::hex << code;
      ASSERT_TRUE(value == 0 || BuiltInCp932().Encode(value) == written) << std::hex << value;
      codes += value != 0;
    }
  }
  EXPECT_EQ(codes, 63 + 9604);  // half-width katakana and the double-byte codes
}

// Real Japanese texts in code page 932 are never taken for UTF-8, and the
// same texts saved as UTF-8, with a mark or without, read the same.
TEST(TextEncoding, CorpusReadsTheSameInEveryEncoding) {
  for (const char* name : {"readme", "licence", "faq"}) {
    SCOPED_TRACE(name);
    const std::string cp932 = ReadData("corpus/"s + name + ".cp932.txt");
    const std::string utf8 = ReadData("corpus/"s + name + ".utf8.txt");
    ASSERT_GT(cp932.size(), 3000u);
    EXPECT_EQ(DetectTextEncoding(cp932), Cp932);
    for (const std::string& saved : {utf8, kMark + utf8}) {
      const DecodedText decoded = DecodeText(saved, BuiltInCp932(), StandIn::Marked);
      EXPECT_EQ(decoded.encoding, saved == utf8 ? Utf8 : Utf8WithMark);
      EXPECT_EQ(decoded.text, cp932);
      EXPECT_EQ(decoded.unicode, utf8);
    }
  }
}

}  // namespace
}  // namespace tolvane
