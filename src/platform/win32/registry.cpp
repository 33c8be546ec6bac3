// The one registry key the program reads.
#include <vector>

#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_platform.h"

namespace tolvane::win32 {

RegistryValue Win32Platform::ReadCurrentVersionValue(std::string_view name) {
  RegistryValue value;
  HKEY key = nullptr;
  // Read access only: full access to HKEY_LOCAL_MACHINE is refused to
  // standard users.
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0,
                    KEY_READ, &key) != ERROR_SUCCESS) {
    return value;
  }
  const std::wstring valueName = Widen(name);
  value.kind = RegistryValueKind::Missing;
  std::wstring text;
  std::vector<BYTE> data(512);
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    const LONG result =
        RegQueryValueExW(key, valueName.c_str(), nullptr, &type, data.data(), &size);
    if (result == ERROR_MORE_DATA) {
      data.resize(size + sizeof(wchar_t));
      continue;
    }
    if (result != ERROR_SUCCESS)
      break;
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
      value.kind = RegistryValueKind::OtherType;
      break;
    }
    text.assign(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    // The stored terminator, if any, is not part of the text.
    if (const auto end = text.find(L'\0'); end != std::wstring::npos)
      text.resize(end);
    value.kind = RegistryValueKind::String;
    break;
  }
  RegCloseKey(key);
  // The one value the program reads is a folder.
  if (value.kind == RegistryValueKind::String)
    value.text = NarrowPath(text);
  return value;
}

}  // namespace tolvane::win32
