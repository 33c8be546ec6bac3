// The main window's hints as its tooltips show them, and the width its list
// scrolls to.
#include <algorithm>
#include <map>
#include <optional>

#include "cases.h"
#include "check.h"
#include "launcher.h"
#include "list_box.h"
#include "main_window.h"
#include "platform/win32/control_ids.h"
#include "remote.h"
#include "sample_disc.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

namespace ids = tolvane::ids;

// --- Hints ----------------------------------------------------------------

// A control's hint as its tooltip tool shows it; nullopt: no tool at all.
struct Hint {
  int id;
  std::string_view name;
  std::optional<std::string_view> text;
};

struct HintCase {
  std::string_view name;
  int line;  // the line selected before reading; -1 keeps the line of start-up
  std::vector<Hint> hints;
  // Line 0 starts with a description long enough that leaving it renews the pane.
  bool longFirstDescription = false;
};

const Hint kFixedHints[] = {
    {ids::kCheckBox1, "CheckBox1", "チェックを入れた場合、テキストを右端で折り返します。"},
    {ids::kCheckBox2, "CheckBox2", "チェックを入れた場合、テキストを表示します。"},
    {ids::kButton5, "Button5", "CDの内容を表示します。"},
    {ids::kButton3, "Button3", "バージョン情報を表示します。"},
    {ids::kButton2, "Button2", "ランチャーを終了します。"},
    {ids::kGroupBox1, "GroupBox1", std::nullopt},
    {ids::kSplitter, "Splitter", std::nullopt},
    {ids::kLabel1, "Label1", std::nullopt},
};

void RunHints(const HintCase& c) {
  std::vector<DiscFile> files = SampleDisc();
  if (c.longFirstDescription) {
    for (DiscFile& file : files)
      if (file.name == "readme.txt")
        for (int n = 0; n < 1000; ++n)
          file.bytes += Cp932("長い説明の一行です。\r\n");
  }
  FixtureDisc disc(files);
  Launcher launcher(disc.Program());
  const HWND main = launcher.WaitForMainWindow();
  if (c.line >= 0) {
    const HWND list = RequireControl(main, ids::kListBox1, "ListBox1");
    SelectByNotification(main, list, c.line);
  }
  const HWND tooltip = TooltipOf(main);
  if (!tooltip)
    Abort("expected a tooltip window owned by the main window, got none");
  std::map<HWND, std::wstring> tools;
  for (const TooltipTool& t : TooltipTools(tooltip)) {
    // The window's own tools stand for the places of disabled controls.
    if (!t.byHandle && t.tool == main)
      continue;
    if (!t.byHandle || GetParent(t.tool) != main) {
      Fail("tooltip tool " + Quoted(t.text) + ": expected one per control of the main window, " +
           "got one for window " + Utf8(ClassName(t.tool)));
      continue;
    }
    tools[t.tool] = t.text;
  }
  std::vector<Hint> expected(std::begin(kFixedHints), std::end(kFixedHints));
  expected.insert(expected.end(), c.hints.begin(), c.hints.end());
  for (const Hint& h : expected) {
    const HWND control = RequireControl(main, h.id, h.name);
    const auto found = tools.find(control);
    const std::string what = std::string(h.name) + " hint";
    if (!h.text) {
      if (found != tools.end())
        Fail(what + ": expected no tooltip tool, got " + Quoted(found->second));
    } else if (found == tools.end()) {
      Fail(what + ": expected " + Quoted(Wide(*h.text)) + ", got no tooltip tool");
    } else {
      ExpectText(what, *h.text, found->second);
    }
  }
}

const HintCase kHintCases[] = {
    {.name = "hints",
     .line = -1,
     .hints =
         {
             {ids::kButton4, "Button4", "選択したファイルがあるフォルダを表示します。"},
             {ids::kButton1, "Button1", "選択したファイルを開きます。"},
             {ids::kRichEdit1, "RichEdit1", "readme.txt"},
             {ids::kListBox1, "ListBox1", "はじめにお読みください"},
         }},
    {.name = "hints_for_program",
     .line = 1,
     .hints =
         {
             {ids::kButton4, "Button4", "選択したアプリケーションがあるフォルダを表示します。"},
             {ids::kButton1, "Button1", "選択したアプリケーションを実行します。"},
             {ids::kRichEdit1, "RichEdit1", std::nullopt},  // no description in its folder
             {ids::kListBox1, "ListBox1", "ソフトウェアのインストール"},
         }},
    {.name = "hints_after_a_long_description",
     .line = 1,
     .hints =
         {
             {ids::kButton4, "Button4", "選択したアプリケーションがあるフォルダを表示します。"},
             {ids::kButton1, "Button1", "選択したアプリケーションを実行します。"},
             {ids::kRichEdit1, "RichEdit1", std::nullopt},
             {ids::kListBox1, "ListBox1", "ソフトウェアのインストール"},
         },
     .longFirstDescription = true},
    {.name = "hints_for_web_address",
     .line = 2,
     .hints =
         {
             {ids::kButton4, "Button4", "選択したファイルがあるフォルダを表示します。"},
             {ids::kButton1, "Button1", "http://www.example.com/ へ接続します。"},
             {ids::kRichEdit1, "RichEdit1", "readme.txt"},
             {ids::kListBox1, "ListBox1", "http://www.example.com/"},
         }},
};

// --- The list's horizontal extent ---------------------------------------------

// The width of a caption in the list's font.
int CaptionWidth(std::string_view captionUtf8) {
  return TextExtentIn("ＭＳ Ｐゴシック", 13, Wide(captionUtf8)).cx;
}

struct ExtentCase {
  std::string_view name;
  std::vector<std::string_view> captions;
};

void RunExtent(const ExtentCase& c) {
  std::vector<DiscFile> files = MenuOf(c.captions);
  if (c.captions.empty())
    files[0].bytes = "\r\n\r\n";
  FixtureDisc disc(files);
  Launcher launcher(disc.Program());
  const HWND main = launcher.WaitForMainWindow();
  const HWND list = RequireControl(main, ids::kListBox1, "ListBox1");
  int widest = 0;
  std::string widths;
  for (std::string_view caption : c.captions) {
    const int width = CaptionWidth(caption);
    widest = std::max(widest, width);
    widths += (widths.empty() ? "" : ", ") + std::to_string(width);
  }
  DWORD_PTR extent = 0;
  SendMessageTimeoutW(list, LB_GETHORIZONTALEXTENT, 0, 0, SMTO_ABORTIFHUNG, 5000, &extent);
  ExpectEqual("list's horizontal extent (captions measured " + widths + ")", widest + 5,
              static_cast<long long>(extent));
}

const ExtentCase kExtentCases[] = {
    {.name = "horizontal_extent",
     .captions = {"Setup", "ソフトウェアのインストールと設定の表示", "本", "ｾｯﾄｱｯﾌﾟ"}},
    {.name = "horizontal_extent_ascii_widest",
     .captions = {"表示", "Install the complete package with every option", "マニュアル"}},
    {.name = "horizontal_extent_empty_list", .captions = {}},
};

}  // namespace

std::vector<Case> HintAndExtentCases() {
  std::vector<Case> cases = CasesOf(kHintCases, RunHints);
  const std::vector<Case> extents = CasesOf(kExtentCases, RunExtent);
  cases.insert(cases.end(), extents.begin(), extents.end());
  return cases;
}

}  // namespace e2e
