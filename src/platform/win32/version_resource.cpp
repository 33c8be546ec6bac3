// The version resource of a file, read through version.dll.
#include "platform/win32/dll_loading.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_platform.h"

namespace tolvane::win32 {

namespace {
using GetSizeFunction = DWORD(WINAPI*)(const wchar_t*, DWORD*);
using GetInfoFunction = BOOL(WINAPI*)(const wchar_t*, DWORD, DWORD, void*);
using QueryFunction = BOOL(WINAPI*)(const void*, const wchar_t*, void**, UINT*);
}  // namespace

HMODULE Win32Platform::VersionLibrary() {
  // version.dll is not imported: an imported one would be searched for beside
  // the program on the disc before the program runs.
  if (!versionLoaded_) {
    versionLoaded_ = true;
    version_ = LoadSystemLibrary(L"version.dll");
  }
  return version_;
}

std::string Win32Platform::ReadVersionInfo(std::string_view path) {
  const auto getSize = FindFunction<GetSizeFunction>(VersionLibrary(), "GetFileVersionInfoSizeW");
  const auto getInfo = FindFunction<GetInfoFunction>(VersionLibrary(), "GetFileVersionInfoW");
  if (getSize == nullptr || getInfo == nullptr)
    return {};
  const std::wstring file = Widen(path);
  DWORD unused = 0;
  const DWORD size = getSize(file.c_str(), &unused);
  if (size == 0)
    return {};
  std::string info(size, '\0');
  // A block that could not be read is no version resource: its zeros must
  // not be taken for one.
  if (!getInfo(file.c_str(), 0, size, info.data()))
    return {};
  return info;
}

namespace {

// VerQueryValueW: the value's address and its length (bytes for a binary
// value, characters for a string); nullptr when it is missing.
const void* QueryValue(HMODULE library, const std::string& info, std::string_view query,
                       UINT& length) {
  const auto queryValue = FindFunction<QueryFunction>(library, "VerQueryValueW");
  void* value = nullptr;
  length = 0;
  if (queryValue == nullptr || info.empty() ||
      !queryValue(info.data(), Widen(query).c_str(), &value, &length))
    return nullptr;
  return value;
}

}  // namespace

std::string Win32Platform::VersionBinaryValue(const std::string& info, std::string_view query) {
  UINT length = 0;
  const void* value = QueryValue(VersionLibrary(), info, query, length);
  return value != nullptr ? std::string(static_cast<const char*>(value), length) : std::string();
}

VersionText Win32Platform::VersionStringValue(const std::string& info, std::string_view query) {
  UINT length = 0;
  const void* value = QueryValue(VersionLibrary(), info, query, length);
  if (value == nullptr)
    return {};
  // The length counts the terminating NUL.
  return {length, Narrow(std::wstring_view(static_cast<const wchar_t*>(value), length))};
}

}  // namespace tolvane::win32
