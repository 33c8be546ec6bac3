// The description pane after a selection: rich text with its formats, plain
// text, the notices, the lines above a missing target, and the pane's hint.
#include <optional>

#include "cases.h"
#include "check.h"
#include "fixture_disc.h"
#include "launcher.h"
#include "list_box.h"
#include "main_window.h"
#include "platform/win32/control_ids.h"
#include "remote.h"
#include "selection_window.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

namespace ids = tolvane::ids;

// --- The description pane ---------------------------------------------------------

// Raw code page 932 bytes as an RTF author's editor writes them: 表 and ソ end
// in "\" (0x5C), 本 in "{" (0x7B), マ in "}" (0x7D).
std::string HandWrittenRtf() {
  return "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041{\\fonttbl{\\f0\\fnil\\fcharset128 " +
         Cp932("ＭＳ ゴシック") +
         ";}}\r\n"
         "{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n"
         "\\viewkind4\\uc1\\pard\\f0\\fs20 " +
         Cp932("表示ソフトの本体マニュアル") + "\\par\r\n{\\b " + Cp932("太字の説明") + "}" +
         Cp932("と") + "{\\cf2 " + Cp932("赤い注意") + "}" + Cp932("です。") + "}\r\n";
}

// A plain text whose "\" and "{" must show as they are.
constexpr std::string_view kPlainText =
    "インストール先: C:\\Tools\\{表示}\r\n"
    "本体とソース\r\n"
    "\r\n"
    "最後の行";

enum class Ink { Unchecked, Red, NotRed };

struct DescriptionCase {
  std::string_view name;
  // The menu's second line is the one selected; the first describes itself
  // with the disc's readme.txt.
  Entry entry;
  std::vector<DiscFile> files;
  std::string_view text;  // line ends as "\n"
  Ink ink = Ink::Unchecked;
  // Whether the whole text is bold; nullopt: not checked.
  std::optional<bool> bold = std::nullopt;
  std::optional<bool> runEnabled = std::nullopt;
  std::optional<bool> folderEnabled = std::nullopt;
  // The RichEdit1 hint; "" when it has no tooltip; nullopt: not checked.
  std::optional<std::string_view> hint = std::nullopt;
  std::function<void(const Window&)> more = nullptr;
};

void ExpectInk(HWND pane, Ink ink, std::size_t length) {
  if (ink == Ink::Unchecked)
    return;
  const CHARFORMAT2W format = CharFormatOf(pane, 0, static_cast<LONG>(length));
  const bool automatic = (format.dwEffects & CFE_AUTOCOLOR) != 0;
  const bool red =
      (format.dwMask & CFM_COLOR) && !automatic && format.crTextColor == RGB(255, 0, 0);
  char got[64];
  snprintf(got, sizeof got, "colour 0x%06lX%s", static_cast<unsigned long>(format.crTextColor),
           automatic ? " (automatic)" : "");
  if (ink == Ink::Red && !red)
    Fail(std::string("pane text colour: expected red 0x0000FF, got ") + got);
  if (ink == Ink::NotRed && red)
    Fail(std::string("pane text colour: expected not red, got ") + got);
}

void RunDescription(const DescriptionCase& c) {
  std::vector<DiscFile> files = {
      {"AutoRun.KWP", MenuText({{"最初の項目", ".", "readme.txt"}, c.entry})},
      {"readme.txt", Cp932("最初の説明")},
  };
  files.insert(files.end(), c.files.begin(), c.files.end());
  FixtureDisc disc(files);
  Launcher launcher(disc.Program());
  const Window w = WindowOf(launcher.WaitForMainWindow());
  ExpectText("pane text at start", "最初の説明", PaneText(w.pane));
  PressKey(w.list, VK_DOWN);
  ExpectEqual("selected line", 1, ListSelection(w.list));
  const std::wstring text = PaneText(w.pane);
  ExpectText("pane text", c.text, text);
  ExpectInk(w.pane, c.ink, text.size());
  if (c.bold) {
    const CHARFORMAT2W format = CharFormatOf(w.pane, 0, static_cast<LONG>(text.size()));
    ExpectTrue("pane text of one boldness throughout", (format.dwMask & CFM_BOLD) != 0);
    ExpectEqual("pane text bold (1) or not (0)", *c.bold, (format.dwEffects & CFE_BOLD) != 0);
  }
  if (c.runEnabled)
    ExpectEnabled("Button1", *c.runEnabled, w.run);
  if (c.folderEnabled)
    ExpectEnabled("Button4", *c.folderEnabled, w.folder);
  if (c.hint)
    ExpectHint(w.main, w.pane, "RichEdit1", *c.hint);
  if (c.more)
    c.more(w);
}

// A run of the pane's text with the boldness and colour it must show.
struct Run {
  std::string_view text;
  bool bold;
  bool red;
};

void ExpectRuns(const Window& w, std::initializer_list<Run> runs) {
  for (const Run& run : runs) {
    const std::optional<CHARRANGE> at = FindInRichEdit(w.pane, Wide(run.text));
    if (!at) {
      Fail("expected the text " + std::string(run.text) + " in the pane, got none");
      continue;
    }
    const CHARFORMAT2W format = CharFormatOf(w.pane, at->cpMin, at->cpMax);
    const std::string what = "\"" + std::string(run.text) + "\"";
    ExpectTrue(what + " with one boldness throughout", (format.dwMask & CFM_BOLD) != 0);
    ExpectEqual(what + " bold (1) or not (0)", run.bold, (format.dwEffects & CFE_BOLD) != 0);
    const bool red = !(format.dwEffects & CFE_AUTOCOLOR) && format.crTextColor == RGB(255, 0, 0);
    ExpectEqual(what + " red (1) or not (0), colour 0x" + std::to_string(format.crTextColor),
                run.red, red);
  }
}

// The bold run is bold, the rest is not, and the coloured run is red.
void CheckRtfFormats(const Window& w) {
  ExpectRuns(w, {{"表示ソフトの本体マニュアル", false, false},
                 {"太字の説明", true, false},
                 {"と", false, false},
                 {"赤い注意", false, true},
                 {"です。", false, false}});
}

// A document of code page 1252: "é" (0xE9) written raw before "\par" and
// before the "}" that closes a group.
const std::string kWesternRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
    "\\f0 caf\xE9\\par\r\n{\\b bold caf\xE9}\\par\r\nend}";

// A line end that falls where the control's first chunk of text ends.
const std::string kLineEndAtChunkEdge = std::string(2047, 'a') + "\r\nb";
const std::string kLineEndAtChunkEdgeShown = std::string(2047, 'a') + "\nb";

const DescriptionCase kDescriptionCases[] = {
    {.name = "rtf_description",
     .entry = {"リッチテキスト", "rtf", "tool.exe"},
     .files = {{"rtf\\tool.exe", "MZ"}, {"rtf\\readme.txt", HandWrittenRtf()}},
     .text = "表示ソフトの本体マニュアル\n太字の説明と赤い注意です。",
     .runEnabled = true,
     .folderEnabled = true,
     .hint = "readme.txt",
     .more = CheckRtfFormats},
    {.name = "rtf_code_page_1252",
     .entry = {"西欧の文書", "western", "tool.exe"},
     .files = {{"western\\tool.exe", "MZ"}, {"western\\readme.txt", kWesternRtf}},
     .text = "café\nbold café\nend",
     .more =
         [](const Window& w) {
           ExpectRuns(w, {{"bold café", true, false}, {"end", false, false}});
         }},
    {.name = "rtf_without_text",
     .entry = {"空の文書", "empty", "tool.exe"},
     .files = {{"empty\\tool.exe", "MZ"}, {"empty\\readme.txt", "{\\rtf1 }"}},
     .text = "",
     .runEnabled = true,
     .hint = "readme.txt"},
    {.name = "rtf_font_table_only",
     .entry = {"書体だけの文書", "fonts", "tool.exe"},
     .files = {{"fonts\\tool.exe", "MZ"},
               {"fonts\\readme.txt", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}}"}},
     .text = ""},
    {.name = "plain_text_description",
     .entry = {"テキスト", "plain", "tool.exe"},
     .files = {{"plain\\tool.exe", "MZ"}, {"plain\\readme.txt", Cp932(kPlainText)}},
     .text = "インストール先: C:\\Tools\\{表示}\n本体とソース\n\n最後の行",
     .ink = Ink::NotRed,
     .bold = false},
    {.name = "plain_text_line_end_at_chunk_edge",
     .entry = {"長い行", "long", "tool.exe"},
     .files = {{"long\\tool.exe", "MZ"}, {"long\\readme.txt", kLineEndAtChunkEdge}},
     .text = kLineEndAtChunkEdgeShown},
    {.name = "red_notice",
     .entry = {"説明なし", "nodoc", "tool.exe"},
     .files = {{"nodoc\\tool.exe", "MZ"}},
     .text = "ドキュメントは存在しません",
     .ink = Ink::Red,
     .runEnabled = true,
     .folderEnabled = true,
     .hint = ""},
    {.name = "missing_folder_notice",
     .entry = {"フォルダなし", "nowhere", "tool.exe"},
     .files = {},
     .text = "指定したフォルダは存在しません",
     .ink = Ink::Red,
     .runEnabled = false,
     .folderEnabled = false},
    {.name = "missing_target_line",
     .entry = {"実行ファイルなし", "setup", "missing.exe"},
     .files = {{"setup\\readme.txt", Cp932("説明")}},
     .text = "指定した実行ファイルは存在しません\n説明",
     .runEnabled = false,
     .folderEnabled = true},
    {.name = "missing_document_line",
     .entry = {"文書なし", "docs", "missing.txt"},
     .files = {{"docs\\readme.txt", Cp932("説明")}},
     .text = "指定したファイルは存在しません\n説明",
     .runEnabled = false,
     .folderEnabled = true},
    {.name = "pane_hint",
     .entry = {"説明あり", "doc1", "tool.exe"},
     .files = {{"doc1\\tool.exe", "MZ"}, {"doc1\\readme.txt", Cp932("一番目")}},
     .text = "一番目",
     .hint = "readme.txt"},
    {.name = "pane_hint_listed_document",
     .entry = {"一覧の文書", "doc2", "tool.exe"},
     .files = {{"txt.kwp", Cp932("情報.txt\r\nreadme.txt\r\n")},
               {"doc2\\tool.exe", "MZ"},
               {"doc2\\readme.txt", Cp932("使われない")},
               {"doc2\\情報.txt", Cp932("一覧の最初")}},
     .text = "一覧の最初",
     .hint = "情報.txt"},
    {.name = "pane_hint_second_listed",
     .entry = {"二番目の文書", "doc3", "tool.exe"},
     .files = {{"txt.kwp", Cp932("none.txt\r\nsecond.txt\r\n")},
               {"doc3\\tool.exe", "MZ"},
               {"doc3\\readme.txt", Cp932("使われない")},
               {"doc3\\second.txt", Cp932("二番目")}},
     .text = "二番目",
     .hint = "second.txt"},
};

}  // namespace

std::vector<Case> DescriptionCases() {
  return CasesOf(kDescriptionCases, RunDescription);
}

}  // namespace e2e
