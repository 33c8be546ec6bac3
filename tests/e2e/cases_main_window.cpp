// The main window: its list as the menu gives it, the places of its controls
// as the window is first shown, resized and split, its captions and states.
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
#include "window_case.h"
#include "windows_of.h"

namespace e2e {

namespace {

namespace ids = tolvane::ids;

// --- The list -------------------------------------------------------------

void ExpectListOf(const Running& r, const std::vector<std::string_view>& captions) {
  ExpectText("main window caption", "Tolvane", WindowText(r.main));
  const HWND list = RequireControl(r.main, ids::kListBox1, "ListBox1");
  ExpectLines("list lines", captions, ListItems(list));
  ExpectEqual("selected line", 0, ListSelection(list));
  ExpectTrue("Button1", FindControl(r.main, ids::kButton1) != nullptr);
  ExpectTrue("Button4", FindControl(r.main, ids::kButton4) != nullptr);
}

// Started from a folder whose name code page 932 cannot hold: the program
// finds its menu and the first entry's document and program through the
// folder's short name.
void ExpectSampleDiscWorks(const Running& r) {
  ExpectListOf(r, kSampleCaptions);
  ExpectText("description of the first line", "このディスクの説明です。\n",
             PaneText(RequireControl(r.main, ids::kRichEdit1, "RichEdit1")));
  ExpectEnabled("Button1 for the first line's document", true,
                RequireControl(r.main, ids::kButton1, "Button1"));
}

// Every line of the sample disc shows its caption and can run.
void ExpectEveryLineRuns(const Running& r) {
  ExpectListOf(r, kSampleCaptions);
  const HWND list = RequireControl(r.main, ids::kListBox1, "ListBox1");
  const HWND run = RequireControl(r.main, ids::kButton1, "Button1");
  for (std::size_t line = 0; line < kSampleCaptions.size(); ++line) {
    if (line > 0)
      PressKey(list, VK_DOWN);
    ExpectEnabled("Button1 for line " + std::to_string(line), true, run);
  }
}

// Captions whose second bytes are "\", "{" and "}", half-width katakana and
// ASCII, in an order no sorting would give.
const std::vector<std::string_view> kMixedCaptions = {
    "表計算ソフト（表示の確認）", "本棚",       "マニュアル", "ｾｯﾄｱｯﾌﾟ",
    "Readme (English)",           "ソース一覧", "能力",       "Another entry",
};

// --- Where the controls are -------------------------------------------------

struct Place {
  int id;
  std::string_view name;
  Box box;
};

// The places the layout gives every control for the window's outer size, its
// client size and the splitter's left edge `s`.
std::vector<Place> ExpectedPlaces(const Box& outer, const Box& client, int s) {
  const int w = outer.width;
  const int h = outer.height;
  const int leftHeight = client.height - 38;  // between the top and bottom margins
  const int paneWidth = w - s - 25;
  const int paneRight = s + 8 + paneWidth;
  return {
      {ids::kGroupBox1, "GroupBox1", {7, 8, s - 7, leftHeight}},
      {ids::kSplitter, "Splitter", {s, 8, 8, leftHeight}},
      {ids::kListBox1, "ListBox1", {17, 26, s - 7 - 20, leftHeight - 28}},
      {ids::kLabel1, "Label1", {s + 13, 16, 42, 12}},
      {ids::kRichEdit1, "RichEdit1", {s + 8, 32, paneWidth, h - 128}},
      {ids::kButton5, "Button5", {paneRight - 150, 7, 75, 17}},
      {ids::kButton3, "Button3", {paneRight - 75, 7, 75, 17}},
      {ids::kCheckBox1, "CheckBox1", {w - 230, h - 89, 97, 17}},
      {ids::kCheckBox2, "CheckBox2", {w - 126, h - 89, 105, 17}},
      {ids::kButton1, "Button1", {w - 252, h - 65, 75, 25}},
      {ids::kButton4, "Button4", {w - 172, h - 65, 75, 25}},
      {ids::kButton2, "Button2", {w - 92, h - 65, 75, 25}},
  };
}

bool LayoutHolds(HWND main, int s) {
  for (const Place& p : ExpectedPlaces(OuterBox(main), ClientBox(main), s)) {
    const HWND control = FindControl(main, p.id);
    if (!control || PlaceOf(main, control) != p.box)
      return false;
  }
  return true;
}

void ExpectLayout(HWND main, int s, std::string_view when) {
  const Box outer = OuterBox(main);
  const Box client = ClientBox(main);
  for (const Place& p : ExpectedPlaces(outer, client, s)) {
    const HWND control = RequireControl(main, p.id, p.name);
    ExpectBox(std::string(p.name) + " " + std::string(when) + ", window " +
                  std::to_string(outer.width) + "x" + std::to_string(outer.height) + " (client " +
                  std::to_string(client.width) + "x" + std::to_string(client.height) + ")",
              p.box, PlaceOf(main, control));
  }
}

void CheckCentred(const Running& r) {
  ExpectCentred("main window", r.main);
}

void CheckLayoutAfterStart(const Running& r) {
  ExpectLayout(r.main, 233, "after start");
  const Box client = ClientBox(r.main);
  ExpectBox("main window's client area as designed", {0, 0, 503, 346}, client);
  struct Hidden {
    int id;
    std::string_view name;
  };
  for (const Hidden& h :
       {Hidden{ids::kRichEdit2, "RichEdit2"}, Hidden{ids::kLblListWidth, "lblListWidth"}}) {
    const HWND control = RequireControl(r.main, h.id, h.name);
    ExpectTrue(std::string(h.name) + " hidden", !IsWindowVisible(control));
  }
}

void CheckLayoutAfterResize(const Running& r) {
  struct Size {
    int width;
    int height;
  };
  // Larger, smaller, then back to the first size.
  for (const Size size : {Size{700, 500}, Size{400, 300}, Size{640, 420}, Size{700, 500}}) {
    const std::string when =
        "after resizing to " + std::to_string(size.width) + "x" + std::to_string(size.height);
    SetWindowPos(r.main, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle(r.main);
    WaitUntil(2000, [&] { return LayoutHolds(r.main, 233); });
    const Box outer = OuterBox(r.main);
    ExpectEqual("window width " + when, size.width, outer.width);
    ExpectEqual("window height " + when, size.height, outer.height);
    ExpectLayout(r.main, 233, when);
  }
}

// Drags the splitter as the mouse would: pressed at its middle, moved so that
// its left edge would come to `left`, released there. The positions are the
// splitter's client coordinates, as a captured mouse reports them.
void DragSplitter(HWND main, HWND splitter, int left) {
  const Box at = PlaceOf(main, splitter);
  const int grabX = at.width / 2;
  const int grabY = at.height / 2;
  const int x = left - at.left + grabX;
  auto send = [&](UINT message, WPARAM keys, int mouseX) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(splitter, message, keys, MAKELPARAM(mouseX, grabY), SMTO_ABORTIFHUNG,
                             5000, &result))
      Abort("the splitter did not answer a mouse message");
  };
  send(WM_LBUTTONDOWN, MK_LBUTTON, grabX);
  send(WM_MOUSEMOVE, MK_LBUTTON, x);
  send(WM_LBUTTONUP, 0, x);
  Settle(main);
}

void CheckSplitterDrag(const Running& r) {
  const HWND splitter = RequireControl(r.main, ids::kSplitter, "Splitter");
  const int clientWidth = ClientBox(r.main).width;
  const int widest = clientWidth - 38;  // the right side keeps 30 pixels beside the splitter
  struct Drag {
    std::string_view what;
    int to;
    int expected;
  };
  const Drag drags[] = {
      {"an ordinary drag to the right", 300, 300},
      {"a drag to 49, below the floor of 50", 49, 58},
      {"a drag to 50, the floor", 50, 50},
      {"a drag to 20, closing the list", 20, 58},
      {"a drag far beyond the window", clientWidth + 500, widest},
      {"a drag back to the designed place", 233, 233},
  };
  for (const Drag& d : drags) {
    DragSplitter(r.main, splitter, d.to);
    const int s = PlaceOf(r.main, splitter).left;
    ExpectEqual("splitter's left edge after " + std::string(d.what), d.expected, s);
    ExpectLayout(r.main, d.expected, "after " + std::string(d.what));
  }
}

// --- On a screen of 144 pixels per inch --------------------------------------

void ExpectOneAndAHalfTimes(std::string_view what, const Box& design, const Box& got) {
  auto within = [](int got, int design) { return std::abs(2 * got - 3 * design) <= 2; };
  if (!within(got.left, design.left) || !within(got.top, design.top) ||
      !within(got.width, design.width) || !within(got.height, design.height))
    Fail(std::string(what) + ": expected 1.5 times " + Describe(design) + " within a pixel, got " +
         Describe(got));
}

// The design window of the layout cases in proportion, and every button's and
// check box's caption (no "&") fitting it in the design's font scaled: inside a
// push button's edges (4 design pixels a side), beside a check box's box (13
// wide, the text 4 after it).
void CheckLayoutAt144(const Running& r) {
  ExpectOneAndAHalfTimes("client area", {0, 0, 503, 346}, ClientBox(r.main));
  for (const Place& p : ExpectedPlaces({0, 0, 511, 373}, {0, 0, 503, 346}, 233))
    ExpectOneAndAHalfTimes(p.name, p.box, PlaceOf(r.main, RequireControl(r.main, p.id, p.name)));
  for (const int id : {ids::kButton5, ids::kButton3, ids::kButton1, ids::kButton4, ids::kButton2,
                       ids::kCheckBox1, ids::kCheckBox2}) {
    const HWND control = RequireControl(r.main, id, "a button");
    std::wstring caption = WindowText(control);
    std::erase(caption, L'&');
    const SIZE text = TextExtentIn("ＭＳ Ｐゴシック", 18, caption);
    const bool box = (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
    const Box place = PlaceOf(r.main, control);
    if (text.cx + (box ? 17 : 8) * 3 / 2 > place.width || text.cy > place.height)
      Fail("caption " + Quoted(caption) + ": expected it to fit " + Describe(place) + ", got " +
           std::to_string(text.cx) + " by " + std::to_string(text.cy) + " pixels");
  }
}

// --- Captions and states ------------------------------------------------------

struct Caption {
  int id;
  std::string_view name;
  std::string_view text;
};

void CheckCaptionsAndStates(const Running& r) {
  const HWND list = RequireControl(r.main, ids::kListBox1, "ListBox1");
  ExpectLines("list lines of a menu with blank lines only", {}, ListItems(list));
  ExpectEqual("selected line", -1, ListSelection(list));
  ExpectText("main window caption", "Tolvane", WindowText(r.main));
  const Caption captions[] = {
      {ids::kGroupBox1, "GroupBox1", "ターゲット選択"},
      {ids::kLabel1, "Label1", "テキスト"},
      {ids::kCheckBox1, "CheckBox1", "右端で折り返す"},
      {ids::kCheckBox2, "CheckBox2", "ﾃｷｽﾄを表示する"},
      {ids::kButton5, "Button5", "CD表示(&D)"},
      {ids::kButton3, "Button3", "About(&A)"},
      {ids::kButton1, "Button1", "実行(&R)"},
      {ids::kButton4, "Button4", "ﾌｫﾙﾀﾞ(&O)"},
      {ids::kButton2, "Button2", "閉じる(&X)"},
  };
  for (const Caption& c : captions)
    ExpectText(std::string(c.name) + " caption", c.text,
               WindowText(RequireControl(r.main, c.id, c.name)));
  struct State {
    int id;
    std::string_view name;
    bool enabled;
  };
  const State states[] = {
      {ids::kButton1, "Button1", false}, {ids::kButton4, "Button4", false},
      {ids::kButton5, "Button5", true},  {ids::kButton3, "Button3", true},
      {ids::kButton2, "Button2", true},  {ids::kListBox1, "ListBox1", true},
  };
  for (const State& s : states)
    ExpectEnabled(s.name, s.enabled, RequireControl(r.main, s.id, s.name));
  ExpectTrue("CheckBox1 checked", Checked(RequireControl(r.main, ids::kCheckBox1, "CheckBox1")));
  ExpectTrue("CheckBox2 checked", Checked(RequireControl(r.main, ids::kCheckBox2, "CheckBox2")));
  ExpectText("description pane with no line to describe", "",
             PaneText(RequireControl(r.main, ids::kRichEdit1, "RichEdit1")));

  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  const DWORD thread = GetWindowThreadProcessId(r.main, nullptr);
  if (!GetGUIThreadInfo(thread, &gui))
    Abort("cannot read the launcher's focus, error " + std::to_string(GetLastError()));
  const int focusId = gui.hwndFocus ? GetDlgCtrlID(gui.hwndFocus) : 0;
  if (gui.hwndFocus != list)
    Fail("focus: expected ListBox1 (ID " + std::to_string(ids::kListBox1) + "), got " +
         (gui.hwndFocus ? Utf8(ClassName(gui.hwndFocus)) + " ID " + std::to_string(focusId)
                        : std::string("no window")));
}

const MainWindowCase kMainWindowCases[] = {
    {.name = "main_window_basics",
     .check = [](const Running& r) { ExpectListOf(r, kSampleCaptions); }},
    {.name = "list_in_file_order",
     .files = MenuOf(kMixedCaptions),
     .check = [](const Running& r) { ExpectListOf(r, kMixedCaptions); }},
    {.name = "started_from_a_folder_with_u_umlaut",
     .check = ExpectSampleDiscWorks,
     .folder = "Müller"},
    {.name = "started_from_a_folder_with_yen_sign",
     .check = ExpectSampleDiscWorks,
     .folder = "Disc¥2026"},
    {.name = "menu_saved_as_utf8", .files = SampleDiscSavedAsUtf8(), .check = ExpectEveryLineRuns},
    {.name = "window_centred", .check = CheckCentred},
    {.name = "layout_after_start", .check = CheckLayoutAfterStart},
    {.name = "layout_after_resize", .check = CheckLayoutAfterResize},
    {.name = "splitter_drag", .check = CheckSplitterDrag},
    {.name = "layout_at_150_percent", .check = CheckLayoutAt144, .pixelsPerInch = 144},
    {.name = "captions_and_states",
     .files = {{"AutoRun.KWP", "\r\n\r\n\r\n"}},
     .check = CheckCaptionsAndStates},
};

}  // namespace

std::vector<Case> MainWindowCases() {
  return CasesOf(kMainWindowCases, RunMainWindow);
}

}  // namespace e2e
