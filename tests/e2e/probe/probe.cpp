// Stands in for a program on a disc: records how it was started, so that a
// test can check the command line and the current folder a launch used.
// Appends two UTF-8 lines, the command line and the current folder, to the
// file named by TOLVANE_PROBE_LOG, or else to "<its own name>.log" beside
// itself, and ends with exit code 0. It shows no window.
#include <windows.h>

#include <string>

#include "text.h"

namespace {

std::wstring LogPath() {
  wchar_t named[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"TOLVANE_PROBE_LOG", named, MAX_PATH);
  if (length > 0 && length < MAX_PATH)
    return named;
  wchar_t self[MAX_PATH];
  std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  const std::size_t dot = path.find_last_of(L'.');
  if (dot != std::wstring::npos && dot > path.find_last_of(L'\\'))
    path.erase(dot);
  return path + L".log";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t folder[MAX_PATH];
  const DWORD folderLength = GetCurrentDirectoryW(MAX_PATH, folder);
  const std::string record = e2e::Utf8(GetCommandLineW()) + "\n" +
                             e2e::Utf8(std::wstring_view(folder, folderLength)) + "\n";
  const HANDLE log = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE)
    return 1;
  DWORD written = 0;
  WriteFile(log, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(log);
  return 0;
}
