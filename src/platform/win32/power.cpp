// Logging off, restarting and powering off, with the shutdown privilege the
// system asks for.
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_platform.h"

namespace tolvane::win32 {

int Win32Platform::PlatformId() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  // Every system this program runs on is of the NT family; a failed query
  // must not skip the privilege it needs.
  if (!GetVersionExW(&info))
    return VER_PLATFORM_WIN32_NT;
  return static_cast<int>(info.dwPlatformId);
}

bool Win32Platform::OpenOwnProcessToken() {
  CloseOwnProcessToken();
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &processToken_))
    return true;
  processToken_ = nullptr;
  return false;
}

bool Win32Platform::LookupShutdownPrivilege() {
  return LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &shutdownPrivilege_) != FALSE;
}

unsigned Win32Platform::AdjustShutdownPrivilege() {
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Luid = shutdownPrivilege_;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  DWORD returned = 0;
  // The call succeeds also when the privilege was not granted; only the last
  // error (ERROR_NOT_ALL_ASSIGNED) tells.
  AdjustTokenPrivileges(processToken_, FALSE, &privileges, 0, nullptr, &returned);
  return GetLastError();
}

void Win32Platform::CloseOwnProcessToken() {
  if (processToken_ != nullptr)
    CloseHandle(processToken_);
  processToken_ = nullptr;
}

unsigned Win32Platform::LastError() {
  return GetLastError();
}

std::string Win32Platform::SystemErrorText(unsigned error) {
  wchar_t text[512];
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, 512, nullptr);
  return Narrow(std::wstring_view(text, length));
}

void Win32Platform::ExitWindows(unsigned flags) {
  ExitWindowsEx(flags, 0);
}

}  // namespace tolvane::win32
