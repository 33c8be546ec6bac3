// The disc checker's console on Windows. Kept out of tolvane.exe, which has
// no console: tolvane-check.exe alone is built with it.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/disc/console.h"

namespace tolvane {

namespace {

std::string Utf8Of(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
  utf8.resize(utf8.size() - 1);
  return utf8;
}

}  // namespace

std::vector<std::string> ConsoleArguments(int, char**) {
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr)
    return args;
  for (int i = 1; i < count; ++i)
    args.push_back(Utf8Of(wide[i]));
  LocalFree(wide);
  return args;
}

void PrintToConsole(ConsoleStream stream, std::string_view utf8) {
  const HANDLE handle =
      GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || utf8.empty())
    return;
  DWORD mode = 0;
  DWORD written = 0;
  if (!GetConsoleMode(handle, &mode)) {
    WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    return;
  }
  // A console shows UTF-16 whatever its code page.
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

}  // namespace tolvane
