// The launcher started on a fuzzed disc over the fake platform, every line
// selected: whatever the disc holds, start-up and selection end, the list
// shows the kept entries, and nothing is launched or shut down.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "support/launcher_fixture.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  testing::LauncherFixture launcher;
  const bool documentOption = input.ConsumeBool();
  launcher.DiscFile("AutoRun.KWP", input.ConsumeRandomLengthString(4096));
  if (input.ConsumeBool())
    launcher.DiscFile("txt.kwp", input.ConsumeRandomLengthString(256));
  if (input.ConsumeBool())
    launcher.DiscFile("sound.kwp", input.ConsumeRandomLengthString(256));
  if (documentOption)
    launcher.DiscFile("doc.txt", input.ConsumeRandomLengthString(1024));
  // Descriptions in the folders entries are likely to name.
  for (const char* name : {"readme.txt", "a\\readme.txt", "\x83\x5C\\readme.txt", "a\\doc.rtf"})
    if (input.remaining_bytes() > 0)
      launcher.DiscFile(name, input.ConsumeRandomLengthString(1024));

  std::vector<std::string> args{"tolvane.exe"};
  if (documentOption)
    args.push_back("/d:doc.txt");
  if (launcher.Start(args) && launcher.form) {
    TForm1& form = *launcher.form;
    fuzz::Require(form.Menu.EntryCount >= 0 && form.Menu.EntryCount <= 100, "at most 100 entries");
    fuzz::Require(static_cast<int>(form.ListBox1.Items().size()) == form.Menu.EntryCount,
                  "the list shows every kept entry");
    for (int line = 0; line < form.Menu.EntryCount; ++line)
      launcher.Select(line);
  }
  fuzz::Require(launcher.platform.shellCalls.empty(), "selecting launches nothing");
  fuzz::Require(launcher.platform.exitWindowsFlags.empty(), "selecting shuts nothing down");
  return 0;
}
