#include "main_window.h"

#include <cstdlib>

#include "check.h"
#include "remote.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

constexpr UINT kSendTimeoutMs = 10000;

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &result))
    Abort("the launcher did not answer message 0x" + std::to_string(message) + " within " +
          std::to_string(kSendTimeoutMs) + " ms");
  return static_cast<LRESULT>(result);
}

}  // namespace

std::string Describe(const Box& box) {
  return "(" + std::to_string(box.left) + ", " + std::to_string(box.top) + ", " +
         std::to_string(box.width) + ", " + std::to_string(box.height) + ")";
}

void ExpectBox(std::string_view what, const Box& expected, const Box& got) {
  if (expected != got)
    Fail(std::string(what) + " (left, top, width, height): expected " + Describe(expected) +
         ", got " + Describe(got));
}

SIZE TextExtentIn(std::string_view faceUtf8, int pixelHeight, std::wstring_view text) {
  const std::wstring face = Wide(faceUtf8);
  const HFONT font = CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return size;
}

HWND RequireControl(HWND mainWindow, int id, std::string_view name) {
  const HWND control = FindControl(mainWindow, id);
  if (!control)
    Abort("expected the control " + std::string(name) + ", got none");
  return control;
}

Box PlaceOf(HWND mainWindow, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Box OuterBox(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Box ClientBox(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {0, 0, r.right, r.bottom};
}

void ExpectCentred(std::string_view what, HWND window) {
  const Box screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const Box outer = OuterBox(window);
  const int left = (screen.width - outer.width) / 2;
  const int top = (screen.height - outer.height) / 2;
  if (std::abs(outer.left - left) > 1 || std::abs(outer.top - top) > 1)
    Fail(std::string(what) + "'s top left on a screen of " + Describe(screen) + ": expected (" +
         std::to_string(left) + ", " + std::to_string(top) + ") ±1, got (" +
         std::to_string(outer.left) + ", " + std::to_string(outer.top) + ")");
}

void Settle(HWND window) {
  Send(window, WM_NULL);
}

namespace {

// The lParam of a key's WM_KEYDOWN; its WM_KEYUP adds the release bits.
LPARAM KeyDownParam(UINT virtualKey) {
  const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  const LPARAM extended = (virtualKey == VK_UP || virtualKey == VK_DOWN) ? (1 << 24) : 0;
  return 1 | (static_cast<LPARAM>(scan) << 16) | extended;
}

constexpr LPARAM kKeyReleased = (1 << 30) | (1u << 31);

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!PostMessageW(window, message, wParam, lParam))
    Abort("cannot post message 0x" + std::to_string(message) + " to the launcher");
}

}  // namespace

void PressKey(HWND control, UINT virtualKey) {
  const LPARAM down = KeyDownParam(virtualKey);
  Send(control, WM_KEYDOWN, virtualKey, down);
  Send(control, WM_KEYUP, virtualKey, down | kKeyReleased);
}

void PostKey(HWND control, UINT virtualKey) {
  const LPARAM down = KeyDownParam(virtualKey);
  Post(control, WM_KEYDOWN, virtualKey, down);
  Post(control, WM_KEYUP, virtualKey, down | kKeyReleased);
}

void PostClick(HWND button) {
  Post(button, BM_CLICK, 0, 0);
}

void PostDoubleClick(HWND mainWindow, HWND list) {
  Post(mainWindow, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
       reinterpret_cast<LPARAM>(list));
}

void SelectByNotification(HWND mainWindow, HWND list, int line) {
  Send(list, LB_SETCURSEL, static_cast<WPARAM>(line));
  Send(mainWindow, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
       reinterpret_cast<LPARAM>(list));
}

bool Enabled(HWND control) {
  return IsWindowEnabled(control) != FALSE;
}

void ExpectEnabled(std::string_view what, bool expected, HWND control) {
  auto state = [](bool enabled) { return enabled ? "enabled" : "disabled"; };
  const bool got = Enabled(control);
  if (got != expected)
    Fail(std::string(what) + ": expected " + state(expected) + ", got " + state(got));
}

bool Checked(HWND checkBox) {
  return Send(checkBox, BM_GETCHECK) == BST_CHECKED;
}

void Click(HWND button) {
  Send(button, BM_CLICK);
}

std::wstring PaneText(HWND richEdit) {
  const std::wstring text = WindowText(richEdit);
  std::wstring lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r') {
      lines += L'\n';
      if (i + 1 < text.size() && text[i + 1] == L'\n')
        ++i;
    } else {
      lines += text[i];
    }
  }
  return lines;
}

void ExpectHint(HWND mainWindow, HWND control, std::string_view name, std::string_view expected) {
  const HWND tooltip = TooltipOf(mainWindow);
  if (!tooltip)
    Abort("expected a tooltip window owned by the main window, got none");
  std::wstring got;
  bool found = false;
  for (const TooltipTool& t : TooltipTools(tooltip)) {
    if (t.byHandle && t.tool == control) {
      got = t.text;
      found = true;
    }
  }
  const std::string what = std::string(name) + " hint";
  if (expected.empty() && found)
    Fail(what + ": expected no tooltip tool, got " + Quoted(got));
  else if (!expected.empty() && !found)
    Fail(what + ": expected " + Quoted(Wide(expected)) + ", got no tooltip tool");
  else if (found)
    ExpectText(what, expected, got);
}

}  // namespace e2e
