#include "runtime/rtf_text.h"

#include <gtest/gtest.h>

#include <optional>

#include "runtime/controls.h"
#include "runtime/cp932_table.h"

namespace tolvane {
namespace {

TEST(RtfForControl, RawDoubleByteCharactersBecomeHexEscapes) {
  struct Case {
    std::string in, out;
  } cases[] = {
      // 表 0x95 0x5C, 本 0x96 0x7B, ソ 0x83 0x5C: trail bytes "\", "{" and "\".
      {"{\\rtf1\\ansicpg932 \x95\x5C\x96\x7B\x83\x5C}",
       "{\\rtf1\\ansicpg932 \\'95\\'5c\\'96\\'7b\\'83\\'5c}"},
      {"{\\rtf1\\ansicpg932 a\\'82\\'a0b}", "{\\rtf1\\ansicpg932 a\\'82\\'a0b}"},
      {"{\\rtf1\\ansicpg932 \\b \x93\xFA}", "{\\rtf1\\ansicpg932 \\b \\'93\\'fa}"},
      // Half-width katakana are single bytes and stay.
      {"{\\rtf1\\ansicpg932 \xB1}", "{\\rtf1\\ansicpg932 \xB1}"},
      // Binary data becomes hexadecimal data.
      {std::string("{\\rtf1\\ansicpg932 {\\pict\\bin3 \x95\x5C\x83}\x95\x5C}"),
       std::string("{\\rtf1\\ansicpg932 {\\pict 955c83}\\'95\\'5c}")},
      // A document that names no code page is declared code page 932.
      {"{\\rtf1 \x93\xFA}", "{\\rtf1\\ansicpg932 \\'93\\'fa}"},
      {"{\\rtf1\\ansi \x93\xFA}", "{\\rtf1\\ansicpg932 \\ansi \\'93\\'fa}"},
      // A lone lead byte at the end.
      {"{\\rtf1\\ansicpg932 \x93", "{\\rtf1\\ansicpg932 \x93"},
      // Another code page: each byte from 0x80 up on its own, so "\\par" and
      // "}" after "\xE9" stay RTF.
      {"{\\rtf1\\ansi\\ansicpg1252 caf\xE9\\par caf\xE9}",
       "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9\\par caf\\'e9}"},
      {"{\\rtf1\\ansicpg1251 \xC0\xFF}", "{\\rtf1\\ansicpg1251 \\'c0\\'ff}"},
      {std::string("{\\rtf1\\ansicpg1252 {\\pict\\bin2 \xE9\xFF}\xE9}"),
       std::string("{\\rtf1\\ansicpg1252 {\\pict e9ff}\\'e9}")},
      // "\\ansicpg" as text or inside binary data declares nothing.
      {"{\\rtf1 \\\\ansicpg1252 \x93\xFA}", "{\\rtf1\\ansicpg932 \\\\ansicpg1252 \\'93\\'fa}"},
      {"{\\rtf1 {\\bin9 \\ansicpg1}\x93\xFA}",
       "{\\rtf1\\ansicpg932 { 5c616e736963706731}\\'93\\'fa}"},
      // A backslash before a lead byte is a control symbol, as the control
      // reads it: the pair stays, and the trail byte is read on its own.
      {"{\\rtf1\\ansicpg932 \\\xE4t1}", "{\\rtf1\\ansicpg932 \\\xE4t1}"},
      // Empty and text-less documents.
      {"", ""},
      {"{\\rtf1 }", "{\\rtf1\\ansicpg932 }"},
      {"{\\rtf1\\ansicpg1252{\\fonttbl{\\f0 Arial;}}}",
       "{\\rtf1\\ansicpg1252{\\fonttbl{\\f0 Arial;}}}"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PrepareRtfForControl(c.in), c.out) << c.in;
}

TEST(RtfForControl, HugeBinaryLengthDoesNotReadPastTheEnd) {
  EXPECT_EQ(PrepareRtfForControl("{\\rtf1\\ansicpg932 \\bin999999999 ab"),
            "{\\rtf1\\ansicpg932  6162");
}

TEST(RtfPlainText, ReadsTextOutOfTheMarkup) {
  struct Case {
    std::string rtf;
    std::optional<std::string> text;
  } cases[] = {
      {"{\\rtf1\\ansi{\\fonttbl{\\f0 Gothic;}}{\\colortbl;\\red255;}\\f0 Hello\\par World}",
       "Hello\r\nWorld"},
      {"{\\rtf1 a\\tab b\\par}", "a\tb\r\n"},
      {"{\\rtf1 \\'95\\'5c\x96\x7B}", "\x95\x5C\x96\x7B"},
      {"{\\rtf1\\ansicpg932 \x83\x5C}", "\x83\x5C"},
      {"{\\rtf1 \\{x\\}\\\\}", "{x}\\"},
      {"{\\rtf1 a\\bin2 xy b}", std::nullopt},  // binary data: only the control can say
      {"{\\rtf1 {\\*\\generator x;}y}", "y"},
      {"{\\rtf1\\uc1 \\u65?z}", "Az"},
      {"{\\rtf1 {\\b unterminated", "unterminated"},
      {"}}}{\\rtf1 x", "x"},
      {"{\\rtf1 }", ""},
      {"{\\rtf1{\\fonttbl{\\f0 Arial;}}}", ""},
      {"{\\rtf1\\ansicpg1252 plain\\par}", "plain\r\n"},
      {"{\\rtf1\\ansicpg1252 {\\*\\x \\'e9}ok}", "ok"},
      // Characters only the control can give: this reading claims none.
      {"{\\rtf1\\ansicpg1252 caf\\'e9}", std::nullopt},
      {"{\\rtf1\\ansicpg1252 caf\xE9}", std::nullopt},
      {"{\\rtf1\\uc1 \\u26085?z}", std::nullopt},
      {"{\\rtf1 a\\line b}", std::nullopt},
      {"{\\rtf1 a\\emdash b}", std::nullopt},
      {"{\\rtf1 a\\~b}", std::nullopt},
      {"{\\rtf1 {\\pict\\wmetafile8 0102}}", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RtfPlainText(c.rtf), c.text) << c.rtf;
}

TEST(RichEditModel, LinesOfTheText) {
  RichEdit pane("pane", nullptr);
  pane.SetText("a\r\nb\nc\rd\r\n");
  EXPECT_EQ(pane.Lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
  pane.SetText("a\r\n\r\nlast");
  EXPECT_EQ(pane.Lines(), (std::vector<std::string>{"a", "", "last"}));
  pane.Clear();
  pane.AddLine("x");
  pane.AddLine("y");
  EXPECT_EQ(pane.Text(), "x\r\ny\r\n");
  pane.LoadDocument("{\\rtf1 r}", BuiltInCp932());
  EXPECT_TRUE(pane.IsRichText());
  EXPECT_EQ(pane.Text(), "r");
  pane.LoadDocument("{\\rtf1 }", BuiltInCp932());  // rich text without text, not markup
  EXPECT_TRUE(pane.IsRichText());
  EXPECT_EQ(pane.Text(), "");
}

// What a pane kept out of sight can leave to the model: everything but a
// document that only the control can read.
TEST(RichEditModel, OwnTextIsWhatTheModelReadsWithoutAControl) {
  struct Case {
    std::string document;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {"//1\r\nplain\r\n", "//1\r\nplain\r\n"},
      {"{\\rtf1\\ansi //1\\par r\\par}", "//1\r\nr\r\n"},
      {"{\\rtf1 }", ""},
      {"{\\rtf1\\ansi //1\\par \\u12354?\\par}", std::nullopt},
  };
  for (const Case& c : cases) {
    RichEdit pane("pane", nullptr);
    pane.LoadDocument(c.document, BuiltInCp932());
    EXPECT_EQ(pane.OwnText(), c.text) << c.document;
    EXPECT_EQ(pane.Text(), c.text.value_or("")) << c.document;
  }
}

std::string Nested(std::size_t depth, bool closed = true) {
  return "{\\rtf1 " + std::string(depth - 1, '{') + "x" +
         (closed ? std::string(depth, '}') : std::string());
}

TEST(RtfGroupDepth, CountsGroupsAsTheControlReadsThem) {
  struct Case {
    std::string rtf;
    std::size_t depth;
  } cases[] = {
      {"{\\rtf1 x}", 1},
      {"{\\rtf1 {\\b a}{\\i {b}}}", 3},
      {"{\\rtf1 \\{\\{\\{ text \\}}", 1},  // escaped braces are text
      // Binary data is read as text by some controls: prepared, it holds no braces.
      {"{\\rtf1 \\bin3 {{{ x}", 4},
      {PrepareRtfForControl("{\\rtf1\\bin32 " + std::string(32, '{') + "}"), 1},
      {"}}}{\\rtf1 x}", 1},  // stray closing braces
      {Nested(32), 32},
      {Nested(100000, false), 100000},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RtfGroupDepth(c.rtf), c.depth) << c.rtf.substr(0, 40);
  // A raw trail byte "{" (of 0x96 0x7B) is escaped before the count.
  EXPECT_EQ(RtfGroupDepth(PrepareRtfForControl("{\\rtf1 \x96{\x96{}")), 1u);
}

TEST(RichEditModel, ADocumentNestedDeeperThanTheControlSurvivesIsPlainText) {
  std::string escapedBraces = "{\\rtf1 ";
  for (int i = 0; i < 40; ++i)
    escapedBraces += "\\{";
  struct Case {
    std::string document;
    bool richText;
  } cases[] = {
      {Nested(32), true},
      {Nested(33), false},
      {Nested(100000, false), false},
      {escapedBraces + "}", true},
  };
  RichEdit pane("pane", nullptr);
  for (const Case& c : cases) {
    pane.LoadDocument(c.document, BuiltInCp932());
    EXPECT_EQ(pane.IsRichText(), c.richText) << c.document.substr(0, 40);
  }
  pane.LoadDocument(Nested(100000, false), BuiltInCp932());
  EXPECT_EQ(pane.Content(), "x");  // its text, not a line of 100,000 braces
  pane.LoadDocument("{\\rtf1 " + std::string(40, '{') + "\\emdash}", BuiltInCp932());
  EXPECT_FALSE(pane.IsRichText());  // a text only the control could read: as written
  EXPECT_EQ(pane.Content(), "{\\rtf1 " + std::string(40, '{') + "\\emdash}");
}

}  // namespace
}  // namespace tolvane
