#include "disc_checker.h"

#include <windows.h>

#include <functional>

#include "check.h"
#include "text.h"

namespace e2e {

// The report goes to a file, not a pipe: whatever the program might start
// could keep a pipe's end open and the read waiting.
std::string CheckerJson(const std::wstring& disc) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring out =
      std::wstring(temp) + L"tolvane-check-" + std::to_wstring(GetCurrentProcessId()) + L".json";
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  const HANDLE file = CreateFileW(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    Abort("cannot create " + Utf8(out));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = file;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + DriverFolder() + L"\\tolvane-check.exe\" \"" + disc + L"\" --json";
  const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE,
                                      CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
  CloseHandle(file);
  if (!started)
    Abort("cannot start tolvane-check.exe, error " + std::to_string(GetLastError()));
  const DWORD waited = WaitForSingleObject(process.hProcess, 30000);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  if (waited != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 99);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  const std::string json = ReadWholeFile(out).value_or("");
  DeleteFileW(out.c_str());
  if (waited != WAIT_OBJECT_0 || status > 2)
    Abort("tolvane-check.exe did not end with its report (status " + std::to_string(status) + ")");
  return json;
}

std::vector<DiscFile> ExamplesDisc() {
  std::vector<DiscFile> files{{"Tools\\hello.exe", "MZ"}};
  std::function<void(const std::wstring&, const std::string&)> add =
      [&](const std::wstring& folder, const std::string& prefix) {
        ForEachInFolder(folder, [&](const std::wstring& path, const WIN32_FIND_DATAW& found) {
          const std::string name = prefix + Utf8(found.cFileName);
          if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            add(path, name + "\\");
          else
            files.push_back({name, ReadWholeFile(path).value_or("")});
        });
      };
  add(DriverFolder() + L"\\sample-disc", "");
  if (files.size() < 10)
    Abort("the sample disc is not beside the driver (sample-disc\\)");
  return files;
}

}  // namespace e2e
