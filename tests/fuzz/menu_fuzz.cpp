// Choosing and reading the menu file over the fake platform: whichever files
// exist, read or not, at most 100 entries are kept, each field a short string
// on one line, and at most one message is shown.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "menu/menu_reader.h"
#include "support/fake_platform.h"

using namespace tolvane;

namespace {

// A menu-side file: absent, unreadable, or these bytes.
void MaybeAddFile(FuzzedDataProvider& input, testing::FakePlatform& platform,
                  const std::string& path) {
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
      break;
    case 1:
      platform.AddUnreadableFile(path);
      break;
    default:
      platform.AddFile(path, input.ConsumeRandomLengthString());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  testing::FakePlatform platform;
  platform.programPath = "Q:\\\x83\x5C\\tolvane.exe";
  platform.SetDriveType("Q:", input.ConsumeIntegralInRange(0, 6));
  const StartupFolders folders = fuzz::SampleFolders();
  MenuChoice choice;
  choice.MenuOptionGiven = input.ConsumeBool();
  choice.MenuOptionPath = folders.MenuDirSlash + input.ConsumeRandomLengthString(64);
  for (const char* name : {"AutoRun.KWT", "AutoRun.KWP", "AutoRun.INI"})
    MaybeAddFile(input, platform, folders.ApplicationDirSlash + name);
  if (choice.MenuOptionGiven)
    MaybeAddFile(input, platform, choice.MenuOptionPath);

  LauncherTable table;
  int measured = 0;
  const CaptionMeasurer measure = [&](std::string_view caption) {
    ++measured;
    return static_cast<int>(caption.size());
  };
  ReadMenu(platform, "Tolvane", folders, choice, measure, table);

  fuzz::Require(table.EntryCount >= 0 && table.EntryCount <= 100, "at most 100 entries");
  fuzz::Require(measured == table.EntryCount, "every kept caption is measured once");
  for (int n = 1; n <= table.EntryCount; ++n) {
    const TLauncherEntry& entry = *table.Entry(n);
    fuzz::RequireField(entry.Caption, "a caption is a short string on one line");
    fuzz::RequireField(entry.Folder, "a folder is a short string on one line");
    fuzz::RequireField(entry.Target, "a target is a short string on one line");
  }
  fuzz::Require(platform.messages.size() <= 1, "at most one message about the menu file");
  return 0;
}
