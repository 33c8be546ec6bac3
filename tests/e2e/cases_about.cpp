// The About box (version, copyright, the disc's licence and read-me, modal
// and closing) and the main window's pane keys, clipboard and Close button.

#include "cases.h"
#include "check.h"
#include "fixture_disc.h"
#include "launcher.h"
#include "main_window.h"
#include "message_box.h"
#include "platform/win32/control_ids.h"
#include "sample_disc.h"
#include "selection_window.h"
#include "text.h"
#include "window_case.h"
#include "windows_of.h"

namespace e2e {

namespace {

namespace ids = tolvane::ids;

// --- Opening and closing ----------------------------------------------------------

HWND WaitForAboutBox(const Running& r) {
  HWND box = nullptr;
  WaitUntil(kWindowTimeoutMs, [&] {
    box = FindTopLevel(r.launcher.ProcessId(), ids::kDialogWindowClass, true);
    return box != nullptr;
  });
  if (!box)
    Abort("expected the About box, got " + DescribeWindows(r.launcher.ProcessId()));
  Settle(box);
  return box;
}

HWND OpenAboutBox(const Running& r) {
  PostClick(RequireControl(r.main, ids::kButton3, "Button3"));
  return WaitForAboutBox(r);
}

void ExpectClosed(const Running& r, HWND box, std::string_view how) {
  const bool gone = WaitUntil(5000, [&] { return !IsWindow(box) || !IsWindowVisible(box); });
  ExpectTrue("the About box closed by " + std::string(how), gone);
  ExpectTrue("the main window enabled again after " + std::string(how),
             WaitUntil(2000, [&] { return IsWindowEnabled(r.main) != FALSE; }));
  ExpectTrue("the launcher still running after " + std::string(how), r.launcher.Running());
}

void CloseWithOk(const Running& r, HWND box) {
  Click(RequireControl(box, ids::kOKButton, "OKButton"));
  ExpectClosed(r, box, "OK");
}

// The memo's text with its line ends as "\n".
std::wstring MemoText(HWND box) {
  return PaneText(RequireControl(box, ids::kMemo1, "Memo1"));
}

HWND FocusOf(HWND window) {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui))
    Abort("cannot read the launcher's focus, error " + std::to_string(GetLastError()));
  return gui.hwndFocus;
}

// --- The About box as it opens -----------------------------------------------------

struct Place {
  int id;
  std::string_view name;
  Box box;  // in the box's client area; width 0: a label sized to its text
};

void CheckAboutBox(const Running& r) {
  const HWND box = OpenAboutBox(r);
  ExpectText("About box caption without text files", "バージョン情報", WindowText(box));
  ExpectText("ProductName", "Tolvane",
             WindowText(RequireControl(box, ids::kProductName, "ProductName")));
  ExpectText("version label", "1.98", WindowText(RequireControl(box, ids::kLabel1, "Label1")));
  ExpectText("copyright label", "Copyright (C) 2026 Tolvane",
             WindowText(RequireControl(box, ids::kLabel2, "Label2")));
  ExpectText("GroupBox1 caption", "詳細情報",
             WindowText(RequireControl(box, ids::kGroupBox1, "GroupBox1")));
  ExpectText("OKButton caption", "OK(&O)",
             WindowText(RequireControl(box, ids::kOKButton, "OKButton")));
  ExpectText("memo without text files", "\"Autorun.txt\"がありません", MemoText(box));

  ExpectBox("About box client area", {0, 0, 386, 154}, ClientBox(box));
  const Place places[] = {
      {ids::kGroupBox1, "GroupBox1", {8, 8, 369, 137}},
      {ids::kMemo1, "Memo1", {16, 64, 353, 73}},
      {ids::kOKButton, "OKButton", {286, 28, 75, 25}},
      {ids::kProgramIcon, "ProgramIcon", {16, 24, 33, 33}},
      {ids::kProductName, "ProductName", {56, 24, 0, 13}},
      {ids::kLabel1, "Label1", {216, 24, 0, 13}},
      {ids::kLabel2, "Label2", {71, 40, 0, 12}},
  };
  for (const Place& p : places) {
    Box got = PlaceOf(box, RequireControl(box, p.id, p.name));
    if (p.box.width == 0)
      got.width = 0;
    ExpectBox(std::string(p.name) + " in the About box", p.box, got);
  }
  const LONG style = GetWindowLongW(box, GWL_STYLE);
  ExpectTrue("a fixed frame: not sizeable, no minimise or maximise",
             (style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);
  ExpectCentred("About box", box);
  ExpectTrue("the main window disabled while the About box is open", !IsWindowEnabled(r.main));
  ExpectTrue("Memo1 focused", FocusOf(box) == RequireControl(box, ids::kMemo1, "Memo1"));
  CloseWithOk(r, box);
}

// --- The two texts ---------------------------------------------------------------------

// Every kind of line end, and a NUL that ends the text.
const std::string kLicence =
    Cp932("使用許諾\r一行目\n二行目\r\n最後") + std::string("\0隠れた", 10);

std::vector<DiscFile> TextDisc(bool licence, bool readme) {
  std::vector<DiscFile> files = SampleDisc();
  if (licence)
    files.push_back({"AutoLice.txt", kLicence});
  if (readme)
    files.push_back({"AutoRun.txt", Cp932("お読みください\r\n本文\r\n")});
  return files;
}

void ClickIcon(HWND box) {
  const HWND icon = RequireControl(box, ids::kProgramIcon, "ProgramIcon");
  DWORD_PTR result = 0;
  SendMessageTimeoutW(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5), SMTO_ABORTIFHUNG, 5000,
                      &result);
  SendMessageTimeoutW(icon, WM_LBUTTONUP, 0, MAKELPARAM(5, 5), SMTO_ABORTIFHUNG, 5000, &result);
  Settle(box);
}

struct Shown {
  std::string_view caption;
  std::string_view text;
};

void ExpectTextsByClicks(const Running& r, const std::vector<Shown>& steps) {
  const HWND box = OpenAboutBox(r);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i > 0)
      ClickIcon(box);
    const std::string when = " after " + std::to_string(i) + " clicks on the icon";
    ExpectText("About box caption" + when, steps[i].caption, WindowText(box));
    ExpectText("About text" + when, steps[i].text, MemoText(box));
  }
  CloseWithOk(r, box);
}

constexpr Shown kLicenceShown{"About", "使用許諾\n一行目\n二行目\n最後"};
constexpr Shown kReadmeShown{"バージョン情報", "お読みください\n本文"};

// A licence the launcher cannot read: another program holds it open.
void CheckUnreadableLicence(const Running& r) {
  const HANDLE held = CreateFileW(r.disc.Path("AutoLice.txt").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (held == INVALID_HANDLE_VALUE)
    Abort("cannot hold AutoLice.txt open, error " + std::to_string(GetLastError()));
  PostClick(RequireControl(r.main, ids::kButton3, "Button3"));
  const HWND message = r.launcher.WaitForMessageBox();
  ExpectMessageBox(message, {"Sharing violation.", "Tolvane", BoxIcon::Hand});
  AnswerMessageBox(message, IDOK);
  CloseHandle(held);
  const HWND box = WaitForAboutBox(r);
  ExpectText("About box caption after the failed read", "About", WindowText(box));
  ExpectText("About text after the failed read", "", MemoText(box));
  CloseWithOk(r, box);
}

// --- Keys and closing --------------------------------------------------------------------

void CheckEnterCloses(const Running& r) {
  const HWND box = OpenAboutBox(r);
  const HWND memo = RequireControl(box, ids::kMemo1, "Memo1");
  // Posted: the launcher's own loop turns the key into the character.
  PostKey(memo, VK_RETURN);
  ExpectClosed(r, box, "Enter in the memo");
}

void CheckOpenedTwice(const Running& r) {
  for (int opening = 1; opening <= 2; ++opening) {
    const HWND box = OpenAboutBox(r);
    const std::string when = " at opening " + std::to_string(opening);
    ExpectText("About box caption" + when, "About", WindowText(box));
    ExpectText("About text" + when, kLicenceShown.text, MemoText(box));
    CloseWithOk(r, box);
  }
}

void CheckPageDown(const Running& r) {
  const Window w = WindowOf(r.main);
  auto firstLine = [&] {
    DWORD_PTR line = 0;
    SendMessageTimeoutW(w.pane, EM_GETFIRSTVISIBLELINE, 0, 0, SMTO_ABORTIFHUNG, 5000, &line);
    return static_cast<long long>(line);
  };
  ExpectEqual("pane's first visible line at start", 0, firstLine());
  PressKey(w.pane, VK_NEXT);
  const long long afterOne = firstLine();
  ExpectTrue("Page Down moves the pane's first visible line, got line " + std::to_string(afterOne),
             afterOne > 0);
  // The view scrolls; the caret stays where it was.
  DWORD_PTR selection = 0;
  SendMessageTimeoutW(w.pane, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &selection);
  ExpectEqual("pane's caret after Page Down", 0, static_cast<long long>(LOWORD(selection)));
  PressKey(w.pane, VK_NEXT);
  ExpectTrue("a second Page Down moves it further", firstLine() > afterOne);
  PressKey(w.pane, VK_PRIOR);
  ExpectEqual("Page Up moves it back one page", afterOne, firstLine());
}

std::vector<DiscFile> LongDescriptionDisc() {
  std::string text;
  for (int i = 1; i <= 120; ++i)
    text += "説明の" + std::to_string(i) + "行目\r\n";
  return {{"AutoRun.KWP", MenuText({{"長い説明", ".", "readme.txt"}})},
          {"readme.txt", Cp932(text)}};
}

// --- The pane's popup menu and the clipboard -------------------------------------------------

// Opens the pane's popup menu from the keyboard and picks an item by its letter.
void ChooseFromPaneMenu(const Running& r, HWND pane, wchar_t letter) {
  PostMessageW(pane, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pane), MAKELPARAM(-1, -1));
  HWND menu = nullptr;
  WaitUntil(5000, [&] {
    menu = FindTopLevel(r.launcher.ProcessId(), L"#32768", true);
    return menu != nullptr;
  });
  if (!menu)
    Abort("expected the pane's popup menu, got " + DescribeWindows(r.launcher.ProcessId()));
  PostMessageW(menu, WM_CHAR, letter, 1);
  WaitUntil(5000, [&] { return !IsWindowVisible(menu); });
  Settle(r.main);
}

std::wstring ClipboardText() {
  std::wstring text;
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt)
    Sleep(50);
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void CheckCopy(const Running& r) {
  const Window w = WindowOf(r.main);
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
  ChooseFromPaneMenu(r, w.pane, L'a');
  ChooseFromPaneMenu(r, w.pane, L'c');
  std::wstring copied = ClipboardText();
  while (!copied.empty() && (copied.back() == L'\r' || copied.back() == L'\n'))
    copied.pop_back();
  ExpectText("clipboard after Select all and Copy", "このディスクの説明です。", copied);
}

// --- Closing the launcher and hints of disabled buttons ---------------------------------------

void CheckCloseButton(const Running& r) {
  PostClick(RequireControl(r.main, ids::kButton2, "Button2"));
  r.launcher.ExpectExit(0);
}

// Real mouse input, as a user's hand gives it, to a point of the screen.
void MoveMouseTo(int x, int y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

HWND VisibleTooltip(DWORD processId) {
  for (HWND window : TopLevelWindows(processId))
    if (ClassName(window) == L"tooltips_class32" && IsWindowVisible(window))
      return window;
  return nullptr;
}

// Rests the mouse on the middle of a control; the hint that shows, if any.
std::wstring HintWhenResting(const Running& r, HWND control, std::string_view where) {
  MoveMouseTo(0, 0);
  WaitUntil(2000, [&] { return VisibleTooltip(r.launcher.ProcessId()) == nullptr; });
  RECT box{};
  GetWindowRect(control, &box);
  // The pointer enters, then rests.
  MoveMouseTo((box.left + box.right) / 2 - 2, (box.top + box.bottom) / 2);
  Sleep(100);
  MoveMouseTo((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  HWND tip = nullptr;
  WaitUntil(5000, [&] { return (tip = VisibleTooltip(r.launcher.ProcessId())) != nullptr; });
  if (!tip)
    Fail("expected a hint over the disabled Run button " + std::string(where) + ", got none");
  return tip ? WindowText(tip) : std::wstring();
}

void CheckDisabledRunHint(const Running& r) {
  const Window w = WindowOf(r.main);
  ExpectEnabled("Button1 of a missing program", false, w.run);
  const std::string_view hint = "選択したアプリケーションを実行します。";
  ExpectText("hint over the disabled Run button", hint, HintWhenResting(r, w.run, "at start"));
  // The button moves with the window's size; its hint goes with it.
  SetWindowPos(r.main, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Settle(r.main);
  ExpectText("hint over the disabled Run button after a resize", hint,
             HintWhenResting(r, w.run, "after a resize"));
}

const MainWindowCase kAboutCases[] = {
    {.name = "about_box", .check = CheckAboutBox},
    {.name = "about_texts_toggle",
     .files = TextDisc(true, true),
     .check =
         [](const Running& r) {
           ExpectTextsByClicks(r, {kLicenceShown, kReadmeShown, kLicenceShown});
         }},
    {.name = "about_readme_only",
     .files = TextDisc(false, true),
     .check =
         [](const Running& r) {
           ExpectTextsByClicks(r, {kReadmeShown, kReadmeShown});
         }},
    {.name = "about_licence_only",
     .files = TextDisc(true, false),
     .check =
         [](const Running& r) {
           ExpectTextsByClicks(r, {kLicenceShown, {"About", "\"Autorun.txt\"がありません"}});
         }},
    {.name = "about_unreadable_licence",
     .files = TextDisc(true, true),
     .check = CheckUnreadableLicence},
    {.name = "about_enter_closes", .files = TextDisc(true, true), .check = CheckEnterCloses},
    {.name = "about_opened_twice", .files = TextDisc(true, true), .check = CheckOpenedTwice},
    {.name = "pane_page_down", .files = LongDescriptionDisc(), .check = CheckPageDown},
    {.name = "pane_copy", .check = CheckCopy},
    {.name = "close_button_ends", .check = CheckCloseButton},
    {.name = "disabled_run_hint",
     .files = {{"AutoRun.KWP", MenuText({{"ないプログラム", "setup", "missing.exe"}})},
               {"setup\\readme.txt", Cp932("説明")}},
     .check = CheckDisabledRunHint},
};

}  // namespace

std::vector<Case> AboutCases() {
  return CasesOf(kAboutCases, RunMainWindow);
}

}  // namespace e2e
