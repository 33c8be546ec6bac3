#include <gtest/gtest.h>

#include "autorun1/combined_document.h"
#include "support/encoded_text.h"
#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;
using testing::ShownMessage;
using Lines = std::vector<std::string>;

TEST(Description, SourcesInOrderOfPreference) {
  struct Case {
    const char* name;
    std::string namesList;  // txt.kwp, or empty for none
    std::vector<std::string> files;
    std::string text, hint;
    bool red;
  } cases[] = {
      {"first listed name found wins",
       "about.rtf\r\ninfo.txt\r\n",
       {"about.rtf", "info.txt", "readme.txt"},
       "ABOUT",
       "about.rtf",
       false},
      {"later names still win when earlier are missing",
       "\r\n  none.txt\r\ninfo.txt\r\n",
       {"info.txt", "readme.txt"},
       "INFO",
       "info.txt",
       false},
      {"readme.txt when no listed name exists",
       "none.txt\r\n",
       {"readme.txt"},
       "README",
       "readme.txt",
       false},
      {"readme.txt without a list", "", {"readme.txt", "info.txt"}, "README", "readme.txt", false},
      {"red notice when nothing is there", "", {}, "ドキュメントは存在しません", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "E\r\nDir\r\n\r\n");
    if (!c.namesList.empty())
      l.DiscFile("txt.kwp", c.namesList);
    l.platform.AddFolder("Q:\\disc\\Dir");
    for (const std::string& file : c.files) {
      std::string upper = file.substr(0, file.find('.'));
      for (char& ch : upper)
        ch = static_cast<char>(std::toupper(ch));
      l.DiscFile("Dir\\" + file, upper);
    }
    ASSERT_TRUE(l.Start());
    const RichEdit& pane = l.form->RichEdit1;
    EXPECT_EQ(pane.Text(), c.text);
    EXPECT_EQ(pane.Hint(), c.hint);
    EXPECT_EQ(pane.GetFont().color, c.red ? kColorRed : kColorWindowText);
    EXPECT_EQ(pane.GetFont().face, "ＭＳ ゴシック");
    EXPECT_EQ(pane.GetFont().height, 12);
  }
}

TEST(Description, RtfAndPlainTextAreTellByTheirHeader) {
  struct Case {
    std::string name, bytes;
    bool rich;
  } cases[] = {
      {"a.rtf", "{\\rtf1\\ansi {\\b bold}}", true},
      {"b.txt", "{\\rtf1 rtf named txt}", true},
      {"c.rtf", "not rtf at all", false},
      {"d.rtf", "{\\rtf1 {\\b truncated", true},
      {"e.txt", "", false},
      {"f.txt", "日本", false},      // code page 932: the bytes as they are
      {"g.rtf", "{\\rtf1 }", true},  // rich text without text
      {"h.rtf", "{\\rtf1{\\fonttbl{\\f0 Arial;}}}", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "E\r\n\r\n\r\n");
    l.DiscFile("txt.kwp", c.name);
    l.DiscFile(c.name, c.bytes);
    ASSERT_TRUE(l.Start());
    EXPECT_EQ(l.form->RichEdit1.IsRichText(), c.rich);
    EXPECT_EQ(l.form->RichEdit1.Content(), c.bytes);
  }
}

// Plain text saved as Unicode: the pane is given it as written, every
// character; the model's own text is code page 932 with "?" where it has no
// character. A mark before "{\rtf" makes plain text.
TEST(Description, PlainTextSavedAsUnicode) {
  using testing::AsUtf8;
  struct Case {
    const char* name;
    std::string option, file, bytes, content, unicode;
  } cases[] = {
      {"UTF-8", "", "readme.txt", AsUtf8(u8"説明😀\r\n"), "説明?\r\n", AsUtf8(u8"説明😀\r\n")},
      {"a mark before an RTF header", "", "readme.txt", testing::kUtf8Mark + "{\\rtf1 x}",
       "{\\rtf1 x}", "{\\rtf1 x}"},
      {"a combined document in UTF-16", "/d:doc.txt", "doc.txt",
       testing::AsUtf16(u"//1\r\n説明한\r\n//2\r\nx"), "説明?\r\n", AsUtf8(u8"説明한\r\n")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherFixture l;
    l.DiscFile("AutoRun.KWP", "E\r\n\r\n\r\n");
    l.DiscFile(c.file, c.bytes);
    ASSERT_TRUE(l.Start(c.option.empty() ? Lines{"tolvane.exe"} : Lines{"tolvane.exe", c.option}));
    EXPECT_FALSE(l.form->RichEdit1.IsRichText());
    EXPECT_EQ(l.form->RichEdit1.Content(), c.content);
    EXPECT_EQ(l.form->RichEdit1.UnicodeText(), c.unicode);
  }
}

TEST(Description, LoadingShowsDimmedThenTheDocument) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "E\r\n\r\n\r\n");
  l.DiscFile("readme.txt", "text");
  std::vector<std::pair<std::string, Color>> seen;
  l.platform.onProcessMessages = [&] {
    if (l.form)
      seen.emplace_back(l.form->RichEdit1.Text(), l.form->RichEdit1.GetFont().color);
  };
  ASSERT_TRUE(l.Start());
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen[0], std::make_pair(std::string("Loading... "), kColorInactiveCaption));
  EXPECT_EQ(l.form->RichEdit1.Text(), "text");
}

TEST(Description, TextSwitchedOff) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "E\r\n\r\nx.exe\r\n");
  l.DiscFile("x.exe", "");
  l.DiscFile("txt.kwp", "readme.txt");
  l.DiscFile("readme.txt", "text");
  ASSERT_TRUE(l.Start());
  TForm1& f = *l.form;
  f.CheckBox2.SetChecked(false);
  EXPECT_EQ(f.RichEdit1.Text(), "");
  l.Select(0);
  EXPECT_EQ(f.RichEdit1.Text(), "");
  EXPECT_FALSE(f.DocumentPending);
  f.CheckBox2.SetChecked(true);
  EXPECT_EQ(f.RichEdit1.Text(), "text");
}

// A description that cannot be read is reported, and the entry's own buttons,
// hints and notices follow as if it had none: never those of the line before.
TEST(Description, AnUnreadableDocumentIsReportedAndTheEntryStillChecked) {
  struct Case {
    const char* name;
    std::string before;  // the target of a line selected first; empty: none
    std::string target;  // of the entry whose readme.txt cannot be read
    bool run;
    std::string listHint;
  } const cases[] = {
      {"at start-up", "", "x.exe", true, "B"},
      {"after a line that cannot run", "gone.exe", "x.exe", true, "B"},
      {"a missing program after one that can run", "x.exe", "gone.exe", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LauncherFixture l;
    std::string menu = "B\r\nb\r\n" + c.target + "\r\n";
    if (!c.before.empty())
      menu = "A\r\na\r\n" + c.before + "\r\n" + menu;
    l.DiscFile("AutoRun.KWP", menu);
    l.DiscFile("a\\x.exe", "");
    l.DiscFile("a\\readme.txt", "fine");
    l.DiscFile("b\\x.exe", "");
    l.platform.AddUnreadableFile("Q:\\disc\\b\\readme.txt", 5);
    ASSERT_TRUE(l.Start());
    TForm1& f = *l.form;
    if (!c.before.empty()) {
      ASSERT_TRUE(l.platform.messages.empty());
      l.Select(1);
    }
    EXPECT_EQ(l.platform.messages,
              (std::vector<ShownMessage>{{"File access denied.", "Tolvane", 0x10}}));
    EXPECT_EQ(f.RichEdit1.Text(), "ドキュメントは存在しません");
    EXPECT_EQ(f.RichEdit1.GetFont().color, kColorRed);
    EXPECT_EQ(f.Button1.Enabled(), c.run);
    EXPECT_EQ(f.N2.Enabled(), c.run);
    EXPECT_EQ(f.ListBox1.Hint(), c.listHint);
  }
}

TEST(CombinedDocument, Sections) {
  const Lines doc{"//2", "text A", "//3", "text B", "//"};
  EXPECT_EQ(CombinedDocumentSection(doc, 2), Lines{"text A"});
  EXPECT_EQ(CombinedDocumentSection(doc, 3), Lines{"text B"});
  EXPECT_EQ(CombinedDocumentSection(doc, 1), Lines{});

  struct Case {
    Lines doc;
    int entry;
    Lines section;
  } cases[] = {
      {{"// 2", "x"}, 2, {}},                                // a blank after the slashes
      {{"//2a", "x", "//"}, 2, {"x"}},                       // digits end at the letter
      {{"//2", "a", "//9", "//2", "b"}, 2, {"a", "b"}},      // every section of the number
      {{"//2", "//2", "x"}, 2, {}},                          // a heading right after ends it
      {{"//1", "last line"}, 1, {"last line"}},              // the last line counts
      {{"//1", "ab", "/", "x", "//"}, 1, {"ab", "/", "x"}},  // "/" alone is text
      {{"//1"}, 1, {}},
      {{"//", "x"}, 0, {}},  // "//" alone names nothing
      {{"//99999999999999999999", "x"}, 1, {}},
      {{"//02", "x"}, 2, {"x"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CombinedDocumentSection(c.doc, c.entry), c.section) << c.doc[0];
}

TEST(CombinedDocument, ShownInsteadOfFilesEvenWithTextSwitchedOff) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "A\r\n\r\n\r\nB\r\n\r\n\r\n");
  l.DiscFile("readme.txt", "not this");
  ASSERT_TRUE(l.Start());
  TForm1& f = *l.form;
  f.RichEdit2.SetText("//1\r\none\r\n//2\r\ntwo\r\nmore\r\n");
  f.DocOptionActive = true;
  l.Select(1);
  EXPECT_EQ(f.RichEdit1.Lines(), (Lines{"two", "more"}));
  EXPECT_EQ(f.RichEdit1.Hint(), "");
  f.CheckBox2.SetChecked(false);
  l.Select(0);
  EXPECT_EQ(f.RichEdit1.Lines(), Lines{"one"});
}

}  // namespace
}  // namespace tolvane
