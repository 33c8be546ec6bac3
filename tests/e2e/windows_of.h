// Finding the windows of another process and reading them from outside.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

inline constexpr wchar_t kDialogClass[] = L"#32770";  // message boxes among them

// The top-level windows of a process, visible or not.
std::vector<HWND> TopLevelWindows(DWORD processId);
// The first top-level window of the process with that class; nullptr if none.
HWND FindTopLevel(DWORD processId, std::wstring_view className, bool visibleOnly);
// A visible top-level window of the process, whatever its class.
HWND FindVisibleTopLevel(DWORD processId);

std::wstring ClassName(HWND window);
// The caption of a top-level window, or the text of any control (also a rich
// edit, whose text GetWindowText does not read from another process).
std::wstring WindowText(HWND window);

// A descendant window by its control ID, however deeply it is nested.
HWND FindControl(HWND top, int id);

// Polls `ready` every 50 ms until it holds or the time is up.
bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& ready);

// A one-line description of the process's top-level windows, for failure messages.
std::string DescribeWindows(DWORD processId);

}  // namespace e2e
