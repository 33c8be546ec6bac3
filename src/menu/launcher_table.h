// menu/: the launcher entries, the menu reader, side files and sounds.
//
// The launcher entry table: the one copy of the menu in memory.
#pragma once

#include <array>
#include <string>

namespace tolvane {

struct TLauncherEntry {
  std::string Caption;
  std::string Folder;
  std::string Target;
};

inline constexpr int kMaxLauncherEntries = 100;

struct LauncherTable {
  std::array<TLauncherEntry, kMaxLauncherEntries> LauncherEntries;  // slot n at index n - 1
  int EntryCount = 0;
  int ListCaptionMaxWidth = 0;

  // Entry n (1-based), or nullptr when n designates no stored entry.
  const TLauncherEntry* Entry(int n) const {
    return n >= 1 && n <= EntryCount ? &LauncherEntries[n - 1] : nullptr;
  }
};

}  // namespace tolvane
