// What every fuzz target shares: a rule that fails stops the run with the
// rule's words, so that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "startup/startup_folders.h"

namespace tolvane::fuzz {

inline void Require(bool holds, const char* rule) {
  if (!holds) {
    std::fprintf(stderr, "rule broken: %s\n", rule);
    std::abort();
  }
}

inline bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

// A field the menu and the side files keep: a short string on one line.
inline void RequireField(std::string_view field, const char* rule) {
  Require(field.size() <= 255 && !HasLineBreak(field), rule);
}

// Folders of a machine whose paths hold a trail byte 0x5C, so that a
// delimiter test that does not walk lead bytes shows.
inline StartupFolders SampleFolders() {
  StartupFolders f;
  f.ApplicationDir = "Q:\\\x83\x5C";
  f.ApplicationDirSlash = f.ApplicationDir + "\\";
  f.MenuDir = f.ApplicationDir;
  f.MenuDirSlash = f.ApplicationDirSlash;
  f.WindowsDir = "C:\\WINDOWS";
  f.SystemDir = "C:\\WINDOWS\\system32";
  f.TempDir = "C:\\TEMP\\";
  f.RootDrive = "C:";
  f.ProgramFilesDir = "C:\\Program Files";
  return f;
}

}  // namespace tolvane::fuzz
