// A planted DLL: the build links this one source under the name of every DLL
// a program might search for beside itself. Loaded into a process, it writes
// "<its own path>.loaded" holding the loading program's path, so that a test
// sees that, and by whom, it was loaded. It exports nothing.
#include <windows.h>

namespace {

void WriteMarker(HINSTANCE self) {
  wchar_t dll[MAX_PATH];
  wchar_t program[MAX_PATH];
  const DWORD dllLength = GetModuleFileNameW(self, dll, MAX_PATH);
  const DWORD programLength = GetModuleFileNameW(nullptr, program, MAX_PATH);
  if (dllLength == 0 || dllLength + 8 > MAX_PATH)
    return;
  lstrcpyW(dll + dllLength, L".loaded");
  const HANDLE marker = CreateFileW(dll, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker == INVALID_HANDLE_VALUE)
    return;
  DWORD written = 0;
  WriteFile(marker, program, programLength * sizeof(wchar_t), &written, nullptr);
  CloseHandle(marker);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH)
    WriteMarker(self);
  return TRUE;
}
