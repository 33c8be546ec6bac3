// The floors tools/bench measures the launcher against: what the system itself
// needs for what the launcher shows, and nothing of the launcher's own.
//
//   bench_richedit_floor.exe   a window with one rich-edit control from
//                              System32, showing d0\readme.txt
//   bench_window_floor.exe windows
//                              every window the launcher shows, with its
//                              manifest, the list filled and the same
//                              description in the text pane
//
// Both start in the bench disc's folder and show the pane as the launcher
// does: its place and size, word wrap at its edge, its background and its
// character format (the launcher's "ＭＳ ゴシック" at 12 pixels). Sent WM_APP
// with wParam N, either one shows dN\readme.txt as the launcher does for its
// line N, the quickest way the control allows under Wine: a new control in
// place of the old one, given its format while empty and filled while hidden;
// RTF streamed as the launcher streams it, other text as UTF-16 text.
#include <windows.h>
// The control headers build on windows.h.
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "platform/win32/control_ids.h"
#include "runtime/rtf_text.h"

namespace {

namespace ids = tolvane::ids;

constexpr wchar_t kRichEditFloorClass[] = L"TolvaneBenchRichEditFloor";
constexpr wchar_t kWindowFloorClass[] = L"TolvaneBenchWindowFloor";
constexpr wchar_t kSplitterClass[] = L"TolvaneBenchSplitter";
constexpr int kBenchLines = 6;

// The launcher's pane, in its designed place (x, y, width, height).
constexpr RECT kPanePlace{248, 32, 241, 249};

HWND pane = nullptr;

std::string ReadDescription(int line) {
  const std::wstring path = L"d" + std::to_wstring(line) + L"\\readme.txt";
  std::string bytes;
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return bytes;
  bytes.resize(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    read = 0;
  bytes.resize(read);
  CloseHandle(file);
  return bytes;
}

// The launcher's character format for a pane: face, size in twips, Shift-JIS,
// regular, the window text colour; by default its description pane's
// "ＭＳ ゴシック" at 12 pixels (96 pixels per inch).
CHARFORMAT2W PaneFormat(const wchar_t* face = L"ＭＳ ゴシック", LONG twips = 12 * 15);

struct Stream {
  const std::string* bytes;
  std::size_t at;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* stream = reinterpret_cast<Stream*>(cookie);
  const std::size_t n = std::min(stream->bytes->size() - stream->at, std::size_t(wanted));
  CopyMemory(buffer, stream->bytes->data() + stream->at, n);
  stream->at += n;
  *given = static_cast<LONG>(n);
  return 0;
}

void StreamIn(const std::string& bytes, WPARAM format) {
  Stream stream{&bytes, 0};
  EDITSTREAM callback{reinterpret_cast<DWORD_PTR>(&stream), 0, ReadStream};
  SendMessageW(pane, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&callback));
}

// The text a control holds beyond which a new control is quicker than
// removing the text (the control removes text in time that grows with the
// square of its length).
constexpr int kLongText = 8192;
// A document longer than this is streamed with the scroll bar shown.
constexpr std::size_t kLongDocument = 1024;

int TextLength() {
  GETTEXTLENGTHEX measure{GTL_NUMCHARS, 1200};
  return static_cast<int>(
      SendMessageW(pane, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure), 0));
}

void RenewPane(HWND window);

// Hidden while it changes, the control neither repaints nor lays the text out
// again as its scroll bar comes and goes; shown again, it paints once.
void ShowDescription(HWND window, int line) {
  const std::string bytes = ReadDescription(line);
  constexpr UINT kQuietly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
  if (TextLength() > kLongText)
    RenewPane(window);
  else
    SetWindowPos(pane, nullptr, 0, 0, 0, 0, kQuietly | SWP_HIDEWINDOW);
  const bool rtf = tolvane::IsRtfDocument(bytes);
  if (!rtf)
    SetWindowTextW(pane, L"");
  // The control takes a text several times more quickly when its vertical
  // scroll bar shows as the text begins: empty lines that overflow the pane
  // make it show the bar by itself.
  if (bytes.size() > kLongDocument && (GetWindowLongW(pane, GWL_STYLE) & WS_VSCROLL) == 0)
    StreamIn(std::string(kPanePlace.bottom / 12 + 2, '\r'), SF_TEXT);
  if (rtf) {
    StreamIn(tolvane::PrepareRtfForControl(bytes), SF_RTF);
  } else {
    // The emptied control takes the format, the text takes it from there.
    const CHARFORMAT2W format = PaneFormat();
    SendMessageW(pane, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    const int length = MultiByteToWideChar(932, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(932, 0, bytes.data(), int(bytes.size()), wide.data(), length);
    StreamIn(std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2),
             SF_TEXT | SF_UNICODE);
  }
  SetWindowPos(pane, nullptr, 0, 0, 0, 0, kQuietly | SWP_SHOWWINDOW);
  RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_APP:
      ShowDescription(window, static_cast<int>(wParam));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, RECT place,
           int id, HFONT font) {
  const HWND child = CreateWindowExW(
      0, className, text, WS_CHILD | WS_CLIPSIBLINGS | style, place.left, place.top, place.right,
      place.bottom, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (font != nullptr)
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

CHARFORMAT2W PaneFormat(const wchar_t* face, LONG twips) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC |
                  CFM_UNDERLINE | CFM_STRIKEOUT;
  format.yHeight = twips;
  format.crTextColor = GetSysColor(COLOR_WINDOWTEXT);
  format.bCharSet = SHIFTJIS_CHARSET;
  format.bPitchAndFamily = DEFAULT_PITCH;
  lstrcpynW(format.szFaceName, face, LF_FACESIZE);
  return format;
}

// A rich edit as the launcher makes one; `wrap` wraps at its right edge.
HWND RichEdit(HWND parent, RECT place, int id, DWORD style, const CHARFORMAT2W& format, bool wrap) {
  const HWND edit = Child(
      parent, MSFTEDIT_CLASS, L"",
      ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | WS_TABSTOP | style,
      place, id, nullptr);
  SendMessageW(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(edit, EM_SETBKGNDCOLOR, 0, GetSysColor(COLOR_BTNFACE));
  SendMessageW(edit, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
  SendMessageW(edit, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  SendMessageW(edit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  return edit;
}

HWND CreatePane(HWND parent, DWORD style) {
  return pane = RichEdit(parent, kPanePlace, ids::kRichEdit1, style, PaneFormat(), true);
}

// A new, hidden control in place of the old one.
void RenewPane(HWND window) {
  DestroyWindow(pane);
  CreatePane(window, 0);
}

// The launcher's windows in its designed places (x, y, width, height).
void CreateLauncherWindows(HWND window, HINSTANCE instance) {
  WNDCLASSEXW splitter{};
  splitter.cbSize = sizeof splitter;
  splitter.lpfnWndProc = DefWindowProcW;
  splitter.hInstance = instance;
  splitter.hCursor = LoadCursorW(nullptr, IDC_SIZEWE);
  splitter.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  splitter.lpszClassName = kSplitterClass;
  RegisterClassExW(&splitter);

  LOGFONTW face{};
  face.lfHeight = -12;
  face.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpyW(face.lfFaceName, L"ＭＳ Ｐゴシック");
  const HFONT font = CreateFontIndirectW(&face);
  face.lfHeight = -13;
  const HFONT listFont = CreateFontIndirectW(&face);
  const DWORD shown = WS_VISIBLE;
  Child(window, kSplitterClass, L"", shown, {233, 8, 8, 308}, ids::kSplitter, font);
  Child(window, WC_STATICW, L"テキスト", shown | SS_LEFT | SS_NOPREFIX, {256, 16, 42, 12},
        ids::kLabel1, font);
  Child(window, WC_STATICW, L"lblListWidth", SS_LEFT | SS_NOPREFIX, {248, 288, 64, 13},
        ids::kLblListWidth, listFont);
  CreatePane(window, shown);
  const HWND wrap =
      Child(window, WC_BUTTONW, L"右端で折り返す", shown | BS_AUTOCHECKBOX | WS_TABSTOP,
            {288, 288, 97, 17}, ids::kCheckBox1, font);
  const HWND text =
      Child(window, WC_BUTTONW, L"ﾃｷｽﾄを表示する", shown | BS_AUTOCHECKBOX | WS_TABSTOP,
            {392, 288, 105, 17}, ids::kCheckBox2, font);
  SendMessageW(wrap, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(text, BM_SETCHECK, BST_CHECKED, 0);
  Child(window, WC_BUTTONW, L"ターゲット選択", shown | BS_GROUPBOX, {7, 8, 226, 308},
        ids::kGroupBox1, listFont);
  const HWND list = Child(
      window, WC_LISTBOXW, L"",
      shown | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_TABSTOP,
      {17, 26, 206, 280}, ids::kListBox1, listFont);
  for (int line = 0; line < kBenchLines; ++line)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"説明"));
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  const struct {
    const wchar_t* caption;
    RECT place;
    int id;
    DWORD enabled;
  } buttons[] = {
      {L"CD表示(&D)", {336, 7, 75, 17}, ids::kButton5, 0},
      {L"About(&A)", {420, 7, 75, 17}, ids::kButton3, 0},
      {L"実行(&R)", {256, 312, 75, 25}, ids::kButton1, WS_DISABLED},
      {L"ﾌｫﾙﾀﾞ(&O)", {336, 312, 75, 25}, ids::kButton4, WS_DISABLED},
      {L"閉じる(&X)", {416, 312, 75, 25}, ids::kButton2, 0},
  };
  for (const auto& b : buttons)
    Child(window, WC_BUTTONW, b.caption, shown | BS_PUSHBUTTON | WS_TABSTOP | b.enabled, b.place,
          b.id, font);
  RichEdit(window, {424, 56, 33, 33}, ids::kRichEdit2, 0, PaneFormat(L"ＭＳ Ｐゴシック", 12 * 15),
           false);

  const HWND tips =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(pane);
  tool.lpszText = const_cast<wchar_t*>(L"テキスト");
  SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
  const bool allWindows = lstrcmpW(commandLine, L"windows") == 0;

  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  if (LoadLibraryW((std::wstring(system) + L"\\msftedit.dll").c_str()) == nullptr)
    return 1;
  if (allWindows) {
    // Loaded here, not imported: the rich-edit floor does without it.
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(
        GetProcAddress(LoadLibraryW(L"comctl32.dll"), "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    if (init == nullptr || !init(&controls))
      return 1;
  }

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = allWindows ? kWindowFloorClass : kRichEditFloorClass;
  if (!RegisterClassExW(&windowClass))
    return 1;
  RECT frame{0, 0, 503, 346};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  const HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"Floor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                      CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                      frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (!window)
    return 1;
  if (allWindows) {
    CreateLauncherWindows(window, instance);
  } else {
    CreatePane(window, WS_VISIBLE);
  }
  ShowDescription(window, 0);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
