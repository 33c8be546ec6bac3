// The named mutex that keeps a second launcher from starting.
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_platform.h"

namespace tolvane::win32 {

bool Win32Platform::CreateInstanceMutex(std::string_view name) {
  const std::wstring wide = Widen(name);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, wide.c_str());
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  if (mutex != nullptr) {
    if (instanceMutex_ != nullptr)
      CloseHandle(instanceMutex_);
    instanceMutex_ = mutex;
  }
  return existed;
}

void Win32Platform::CloseInstanceMutex() {
  if (instanceMutex_ == nullptr)
    return;
  CloseHandle(instanceMutex_);
  instanceMutex_ = nullptr;
}

void Win32Platform::ReleaseInstanceMutex() {
  if (instanceMutex_ != nullptr)
    ReleaseMutex(instanceMutex_);
}

}  // namespace tolvane::win32
