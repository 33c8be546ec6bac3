// Opening programs, documents, folders and addresses through the shell.
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_platform.h"

namespace tolvane::win32 {

namespace {

// The shell's classic result codes (the SE_ERR_ values) for a failure that
// reports only the system error; kShellSystemError for any other.
int ClassicShellError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
      return 2;
    case ERROR_PATH_NOT_FOUND:
      return 3;
    case ERROR_ACCESS_DENIED:
      return 5;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return 8;
    case ERROR_BAD_FORMAT:
    case ERROR_BAD_EXE_FORMAT:
      return 11;
    case ERROR_SHARING_VIOLATION:
      return 26;
    case ERROR_DDE_FAIL:
      return 29;
    case ERROR_NO_ASSOCIATION:
      return 31;
    case ERROR_DLL_NOT_FOUND:
      return 32;
    default:
      return kShellSystemError;
  }
}

const wchar_t* OrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

}  // namespace

ShellResult Win32Platform::ShellExecute(std::string_view verb, std::string_view file,
                                        std::string_view parameters, std::string_view directory,
                                        int showCommand) {
  const std::wstring wideVerb = Widen(verb);
  const std::wstring wideFile = Widen(file);
  const std::wstring wideParameters = Widen(parameters);
  const std::wstring wideDirectory = Widen(directory);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  // No error box of the shell's own: the program words every failure itself.
  // No asynchronous launch: the direct-open mode ends right after the call.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = MainWindow();
  info.lpVerb = OrNull(wideVerb);
  info.lpFile = wideFile.c_str();
  info.lpParameters = OrNull(wideParameters);
  info.lpDirectory = OrNull(wideDirectory);
  info.nShow = showCommand;
  if (ShellExecuteExW(&info)) {
    const auto result = reinterpret_cast<INT_PTR>(info.hInstApp);
    return result > 32 ? static_cast<int>(result) : 33;
  }
  const DWORD error = GetLastError();
  if (error == ERROR_CANCELLED)
    return kShellCancelled;
  const auto code = reinterpret_cast<INT_PTR>(info.hInstApp);
  if (code > 0 && code <= 32)
    return static_cast<int>(code);
  return {ClassicShellError(error), error};
}

}  // namespace tolvane::win32
