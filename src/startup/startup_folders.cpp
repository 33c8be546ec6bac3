#include "startup/startup_folders.h"

#include "platform/platform.h"
#include "runtime/cp932_text.h"
#include "runtime/runtime_error.h"

namespace tolvane {

namespace {
constexpr const char* kProgramFilesValue = "ProgramFilesDir";
}

StartupFolders ComputeStartupFolders(Platform& platform) {
  StartupFolders f;
  const std::string programFolder = FolderPart(platform.ProgramPath());
  f.ApplicationDir = RemoveTrailingBackslash(programFolder);
  f.ApplicationDirSlash = AddTrailingBackslash(programFolder);
  f.MenuDir = f.ApplicationDir;
  f.MenuDirSlash = f.ApplicationDirSlash;
  f.WindowsDir = RemoveTrailingBackslash(platform.WindowsDirectory());
  f.SystemDir = RemoveTrailingBackslash(platform.SystemDirectory());
  f.TempDir = RemoveTrailingBackslash(platform.TempPath());
  f.RootDrive = RemoveTrailingBackslash(DrivePart(f.WindowsDir));
  const RegistryValue value = platform.ReadCurrentVersionValue(kProgramFilesValue);
  if (value.kind == RegistryValueKind::OtherType)
    throw RuntimeError(std::string("'") + kProgramFilesValue + "' のデータ型が不正です");
  if (value.kind == RegistryValueKind::String)
    f.ProgramFilesDir = value.text;
  f.ProgramFilesDir = RemoveTrailingBackslash(f.ProgramFilesDir);
  return f;
}

}  // namespace tolvane
