#include "startup/startup_folders.h"

#include <gtest/gtest.h>

#include "runtime/runtime_error.h"
#include "support/fake_platform.h"

namespace tolvane {
namespace {

using testing::FakePlatform;

TEST(StartupFolders, ComputedFromThePlatform) {
  FakePlatform p;
  p.programPath = "Q:\\autorun\\tolvane.exe";
  p.windowsDirectory = "D:\\WINNT\\";
  p.systemDirectory = "D:\\WINNT\\system32";
  p.tempPath = "D:\\TEMP\\";
  p.programFiles = {RegistryValueKind::String, "D:\\Programs\\"};
  const StartupFolders f = ComputeStartupFolders(p);
  EXPECT_EQ(f.ApplicationDir, "Q:\\autorun");
  EXPECT_EQ(f.ApplicationDirSlash, "Q:\\autorun\\");
  EXPECT_EQ(f.MenuDir, "Q:\\autorun");
  EXPECT_EQ(f.MenuDirSlash, "Q:\\autorun\\");
  EXPECT_EQ(f.WindowsDir, "D:\\WINNT");
  EXPECT_EQ(f.SystemDir, "D:\\WINNT\\system32");
  EXPECT_EQ(f.TempDir, "D:\\TEMP");
  EXPECT_EQ(f.RootDrive, "D:");
  EXPECT_EQ(f.ProgramFilesDir, "D:\\Programs");
}

TEST(StartupFolders, ProgramInTheRootOfADrive) {
  FakePlatform p;
  p.programPath = "Q:\\tolvane.exe";
  const StartupFolders f = ComputeStartupFolders(p);
  EXPECT_EQ(f.ApplicationDir, "Q:");
  EXPECT_EQ(f.ApplicationDirSlash, "Q:\\");
}

TEST(StartupFolders, AFolderEndingInADoubleByteCharacterStaysWhole) {
  FakePlatform p;
  p.programPath = "Q:\\\x83\x5C\\tolvane.exe";  // Q:\ソ\tolvane.exe
  const StartupFolders f = ComputeStartupFolders(p);
  EXPECT_EQ(f.ApplicationDir, "Q:\\\x83\x5C");
  EXPECT_EQ(f.ApplicationDirSlash, "Q:\\\x83\x5C\\");
}

TEST(StartupFolders, RegistryValueThatIsNoStringStopsStartUp) {
  FakePlatform p;
  for (const RegistryValueKind kind :
       {RegistryValueKind::KeyNotOpened, RegistryValueKind::Missing}) {
    p.programFiles = {kind, "ignored"};
    EXPECT_EQ(ComputeStartupFolders(p).ProgramFilesDir, "");
  }
  p.programFiles = {RegistryValueKind::OtherType, {}};
  try {
    ComputeStartupFolders(p);
    FAIL() << "expected a runtime error";
  } catch (const RuntimeError& e) {
    EXPECT_STREQ(e.what(), "'ProgramFilesDir' のデータ型が不正です");
  }
}

TEST(StartupFolders, FailingFolderCallsGiveEmptyFolders) {
  FakePlatform p;
  p.windowsDirectory = p.systemDirectory = p.tempPath = "";
  const StartupFolders f = ComputeStartupFolders(p);
  EXPECT_EQ(f.WindowsDir, "");
  EXPECT_EQ(f.RootDrive, "");
  EXPECT_EQ(f.TempDir, "");
}

}  // namespace
}  // namespace tolvane
