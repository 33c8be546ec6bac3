#include "windows_of.h"

#include "text.h"

namespace e2e {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

struct ControlSearch {
  int id;
  HWND found;
};

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> windows;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM param) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId)
          s->windows.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

HWND FindTopLevel(DWORD processId, std::wstring_view className, bool visibleOnly) {
  for (HWND window : TopLevelWindows(processId)) {
    if (visibleOnly && !IsWindowVisible(window))
      continue;
    if (ClassName(window) == className)
      return window;
  }
  return nullptr;
}

HWND FindVisibleTopLevel(DWORD processId) {
  for (HWND window : TopLevelWindows(processId))
    if (IsWindowVisible(window))
      return window;
  return nullptr;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

std::wstring WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
    return {};
  text.resize(copied);
  return text;
}

HWND FindControl(HWND top, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(
      top,
      [](HWND window, LPARAM param) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<ControlSearch*>(param);
        if (GetDlgCtrlID(window) != s->id)
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& ready) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (ready())
      return true;
    if (GetTickCount64() >= end)
      return false;
    Sleep(50);
  }
}

std::string DescribeWindows(DWORD processId) {
  std::string description;
  for (HWND window : TopLevelWindows(processId)) {
    if (!description.empty())
      description += ", ";
    description += Utf8(ClassName(window)) + " " + Quoted(WindowText(window)) +
                   (IsWindowVisible(window) ? " (visible)" : " (hidden)");
  }
  return description.empty() ? "no windows" : description;
}

}  // namespace e2e
