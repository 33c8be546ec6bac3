#include "fixture_disc.h"

#include <windows.h>

#include "check.h"
#include "text.h"

namespace e2e {

namespace {

void WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  // Create the folders on the way.
  for (std::size_t slash = path.find(L'\\', 3); slash != std::wstring::npos;
       slash = path.find(L'\\', slash + 1))
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    Abort("cannot create " + Utf8(path));
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != bytes.size())
    Abort("cannot write " + Utf8(path));
}

void RemoveTree(const std::wstring& folder) {
  ForEachInFolder(folder, [](const std::wstring& path, const WIN32_FIND_DATAW& found) {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveTree(path);
    } else {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
  });
  RemoveDirectoryW(folder.c_str());
}

std::wstring FreshTempFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static unsigned counter = 0;
  for (;;) {
    const std::wstring folder = std::wstring(temp) + L"tolvane-e2e-" +
                                std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(++counter);
    if (CreateDirectoryW(folder.c_str(), nullptr))
      return folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS)
      Abort("cannot create " + Utf8(folder));
  }
}

}  // namespace

void ForEachInFolder(
    const std::wstring& folder,
    const std::function<void(const std::wstring& path, const WIN32_FIND_DATAW& found)>& visit) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..")
      visit(folder + L"\\" + name, found);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::wstring DriverFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

FixtureDisc::FixtureDisc(const std::vector<DiscFile>& files, std::string_view folderUtf8)
    : temp_(FreshTempFolder()),
      root_(folderUtf8.empty() ? temp_ : temp_ + L"\\" + Wide(folderUtf8)) {
  try {
    if (root_ != temp_ && !CreateDirectoryW(root_.c_str(), nullptr))
      Abort("cannot create " + Utf8(root_));
    const std::wstring program = DriverFolder() + L"\\tolvane.exe";
    if (!CopyFileW(program.c_str(), Program().c_str(), FALSE))
      Abort("cannot copy " + Utf8(program) + " to the fixture disc");
    for (const DiscFile& file : files)
      WriteWholeFile(Path(file.name), file.bytes);
  } catch (...) {
    RemoveTree(temp_);
    throw;
  }
}

FixtureDisc::~FixtureDisc() {
  RemoveTree(temp_);
}

std::wstring FixtureDisc::Path(std::string_view relativeUtf8) const {
  return root_ + L"\\" + Wide(relativeUtf8);
}

}  // namespace e2e
