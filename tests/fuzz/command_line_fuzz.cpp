// The command-line split and the option scan over the fake platform: no
// parameter holds a quote, a parameter holds a blank only where a quoted
// stretch gave it one, nothing is invented; option values are cut with their
// parameter at 255 bytes, and only "/o:" parameters open anything.
#include "fuzz_check.h"
#include "runtime/command_line.h"
#include "runtime/cp932_text.h"
#include "startup/option_scan.h"
#include "support/fake_platform.h"

using namespace tolvane;

namespace {

void CheckSplit(const std::string& line, const std::vector<std::string>& words) {
  const bool quoted = line.find('"') != std::string::npos;
  std::size_t total = 0;
  for (const std::string& word : words) {
    fuzz::Require(word.find('"') == std::string::npos, "the quotes are dropped");
    fuzz::Require(quoted || !word.empty(), "only quotes make an empty parameter");
    if (!quoted)
      for (char c : word)
        fuzz::Require(static_cast<unsigned char>(c) > ' ', "unquoted, a blank separates");
    total += word.size();
  }
  fuzz::Require(total <= line.size(), "no parameter bytes are invented");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args = SplitCommandLine(line);
  CheckSplit(line, args);
  if (args.empty())
    return 0;

  testing::FakePlatform platform;
  platform.programPath = "Q:\\disc\\tolvane.exe";
  platform.AddFile("Q:\\disc\\AutoRun.KWP", "entry\r\n.\r\nreadme.txt\r\n");
  StartupFolders folders = fuzz::SampleFolders();
  int opens = 0;
  DirectOpenHooks hooks;
  hooks.ShellOpen = [&](std::string_view, std::string_view) {
    ++opens;
    return 42;
  };
  hooks.OfferNotepad = [&](const std::string&) { ++opens; };
  hooks.ConfirmSystemAction = [&](EntryKind) { ++opens; };
  hooks.OpenAddress = [&](std::string_view) { ++opens; };
  const std::vector<CommandOption> read = ReadCommandOptions(args);
  ScanCommandLineOptions(platform, "Tolvane", read, folders, hooks);

  fuzz::Require(read.size() + 1 == args.size(), "one option a parameter");
  for (const CommandOption& option : read)
    fuzz::Require(option.value.size() <= 252, "an option's value is cut with its parameter");
  int openOptions = 0;
  for (std::size_t i = 1; i < args.size(); ++i)
    openOptions += StartsWithIgnoreCase(args[i], "/o:") ? 1 : 0;
  fuzz::Require(opens <= openOptions, "only /o: parameters open anything");
  fuzz::Require(platform.exitWindowsFlags.empty(), "the scan itself shuts nothing down");
  return 0;
}
