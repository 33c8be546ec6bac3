// Folders, files and drives.
#include <climits>

#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_platform.h"
#include "runtime/cp932_text.h"

namespace tolvane::win32 {

namespace {

// Calls a "fill this buffer" API that returns the length it needs when the
// buffer is too small; empty when it fails. The text is a path.
template <typename Call>
std::string BufferedText(Call call) {
  std::wstring buffer(MAX_PATH + 1, L'\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = call(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0)
      return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return NarrowPath(buffer);
    }
    buffer.assign(length + 1, L'\0');
  }
  return {};
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid())
      CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::string Win32Platform::WindowsDirectory() {
  return BufferedText(
      [](DWORD size, wchar_t* buffer) -> DWORD { return GetWindowsDirectoryW(buffer, size); });
}

std::string Win32Platform::SystemDirectory() {
  return BufferedText(
      [](DWORD size, wchar_t* buffer) -> DWORD { return GetSystemDirectoryW(buffer, size); });
}

std::string Win32Platform::TempPath() {
  return BufferedText([](DWORD size, wchar_t* buffer) { return GetTempPathW(size, buffer); });
}

std::string Win32Platform::FullPath(std::string_view path) {
  const std::wstring wide = Widen(path);
  if (wide.empty())
    return {};
  return BufferedText([&wide](DWORD size, wchar_t* buffer) {
    return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
  });
}

bool Win32Platform::SetCurrentDirectory(std::string_view path) {
  const std::wstring wide = Widen(path);
  return !wide.empty() && SetCurrentDirectoryW(wide.c_str());
}

std::string Win32Platform::CurrentDirectory() {
  return BufferedText(
      [](DWORD size, wchar_t* buffer) { return GetCurrentDirectoryW(size, buffer); });
}

bool Win32Platform::FileExists(std::string_view path) {
  // Asking about a device can wait on it (a serial port under Wine does).
  if (NamesDevice(path))
    return false;
  const std::wstring wide = Widen(path);
  if (wide.empty())
    return false;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

FileContent Win32Platform::ReadFile(std::string_view path) {
  FileContent content;
  if (NamesDevice(path)) {
    content.error = ERROR_FILE_NOT_FOUND;
    return content;
  }
  const std::wstring wide = Widen(path);
  FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    content.error = static_cast<int>(GetLastError());
    return content;
  }
  // A device name ("COM1", "CON") opens too, but reading it could wait forever.
  if (GetFileType(file.get()) != FILE_TYPE_DISK) {
    content.error = ERROR_ACCESS_DENIED;
    return content;
  }
  char chunk[64 * 1024];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), chunk, sizeof(chunk), &read, nullptr)) {
      content.error = static_cast<int>(GetLastError());
      content.bytes.clear();
      return content;
    }
    if (read == 0)
      break;
    content.bytes.append(chunk, read);
  }
  return content;
}

const Cp932Codec& Win32Platform::Cp932() {
  return WindowsCp932();
}

int Win32Platform::DriveType(std::string_view drive) {
  std::wstring root = Widen(drive);
  // "X:" alone would mean the current folder of that drive, not its root.
  if (root.size() == 2 && root[1] == L':')
    root += L'\\';
  return static_cast<int>(GetDriveTypeW(root.c_str()));
}

}  // namespace tolvane::win32
