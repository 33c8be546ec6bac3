// What a session leaves behind on the machine: files (with their sizes,
// times and, where asked, contents) and registry values, taken before and
// after, and the difference between two such pictures.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>

namespace e2e {

// Each item by its path ("C:\...\file", "HKCU\...\key\\value") and a
// fingerprint that changes when the item is written.
using Snapshot = std::map<std::wstring, std::string>;

// Every file under `folder`: its size and last write time, and a hash of its
// bytes when `withContents` (slower: for the folders a program would use).
void AddFiles(const std::wstring& folder, bool withContents, Snapshot& snapshot);
// Every key and value under `root` ("HKCU" or "HKLM" in the path); the keys'
// own timestamps are left out.
void AddRegistry(HKEY root, const std::wstring& rootName, Snapshot& snapshot);

// The paths added, removed or changed from `before` to `after`.
std::set<std::wstring> Changes(const Snapshot& before, const Snapshot& after);

}  // namespace e2e
