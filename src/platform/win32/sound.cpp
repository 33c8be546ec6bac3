// Sounds through MCI command strings.
#include "platform/win32/dll_loading.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_platform.h"

namespace tolvane::win32 {

void Win32Platform::SendMciCommand(std::string_view command) {
  using MciSendStringFunction = DWORD(WINAPI*)(const wchar_t*, wchar_t*, UINT, HWND);
  // winmm.dll is not imported: an imported one would be searched for beside
  // the program on the disc before the program runs.
  if (!winmmLoaded_) {
    winmmLoaded_ = true;
    winmm_ = LoadSystemLibrary(L"winmm.dll");
  }
  const auto send = FindFunction<MciSendStringFunction>(winmm_, "mciSendStringW");
  if (send == nullptr)
    return;
  send(Widen(command).c_str(), nullptr, 0, nullptr);
}

}  // namespace tolvane::win32
