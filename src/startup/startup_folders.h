// startup/: start-up folders, placeholders, the command line and the direct-open mode.
//
// The folders the program computes once at start, and that the placeholders
// of the menu file and of "/o:" stand for.
#pragma once

#include <string>

namespace tolvane {

class Platform;

struct StartupFolders {
  std::string ApplicationDir;
  std::string ApplicationDirSlash;
  std::string MenuDir;
  std::string MenuDirSlash;
  std::string WindowsDir;
  std::string SystemDir;
  std::string TempDir;
  std::string RootDrive;
  std::string ProgramFilesDir;
};

// In this order: program folder, menu folder, Windows, system and temporary
// folders, root drive, and the folder for installed programs from the registry.
// A registry value of another type than a string raises a RuntimeError.
StartupFolders ComputeStartupFolders(Platform& platform);

}  // namespace tolvane
