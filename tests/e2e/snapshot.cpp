#include "snapshot.h"

#include <vector>

#include "fixture_disc.h"

namespace e2e {

namespace {

// FNV-1a: enough to notice a changed byte.
std::string HashOf(const std::string& bytes) {
  unsigned long long hash = 14695981039346656037ull;
  for (unsigned char byte : bytes)
    hash = (hash ^ byte) * 1099511628211ull;
  return std::to_string(hash);
}

}  // namespace

void AddFiles(const std::wstring& folder, bool withContents, Snapshot& snapshot) {
  ForEachInFolder(folder, [&](const std::wstring& path, const WIN32_FIND_DATAW& found) {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      snapshot[path + L"\\"] = "folder";
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        AddFiles(path, withContents, snapshot);
      return;
    }
    std::string print = std::to_string(found.nFileSizeHigh) + ":" +
                        std::to_string(found.nFileSizeLow) + " " +
                        std::to_string(found.ftLastWriteTime.dwHighDateTime) + ":" +
                        std::to_string(found.ftLastWriteTime.dwLowDateTime);
    if (withContents)
      print += " " + HashOf(ReadWholeFile(path).value_or("unreadable"));
    snapshot[path] = print;
  });
}

void AddRegistry(HKEY root, const std::wstring& rootName, Snapshot& snapshot) {
  DWORD subkeys = 0, values = 0, longestName = 0, longestValueName = 0, longestData = 0;
  if (RegQueryInfoKeyW(root, nullptr, nullptr, nullptr, &subkeys, &longestName, nullptr, &values,
                       &longestValueName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
    return;
  snapshot[rootName + L"\\"] = "key";
  std::vector<wchar_t> name(std::max(longestName, longestValueName) + 2);
  std::vector<BYTE> data(longestData + 2);
  for (DWORD i = 0; i < values; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataLength = static_cast<DWORD>(data.size());
    DWORD type = 0;
    if (RegEnumValueW(root, i, name.data(), &nameLength, nullptr, &type, data.data(),
                      &dataLength) != ERROR_SUCCESS)
      continue;
    snapshot[rootName + L"\\\\" + std::wstring(name.data(), nameLength)] =
        std::to_string(type) + " " +
        std::string(reinterpret_cast<const char*>(data.data()), dataLength);
  }
  for (DWORD i = 0; i < subkeys; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(root, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      continue;
    const std::wstring subName(name.data(), nameLength);
    HKEY sub = nullptr;
    if (RegOpenKeyExW(root, subName.c_str(), 0, KEY_READ, &sub) != ERROR_SUCCESS)
      continue;
    AddRegistry(sub, rootName + L"\\" + subName, snapshot);
    RegCloseKey(sub);
  }
}

std::set<std::wstring> Changes(const Snapshot& before, const Snapshot& after) {
  std::set<std::wstring> changed;
  for (const auto& [path, print] : after) {
    const auto was = before.find(path);
    if (was == before.end() || was->second != print)
      changed.insert(path);
  }
  for (const auto& [path, print] : before)
    if (!after.contains(path))
      changed.insert(path);
  return changed;
}

}  // namespace e2e
