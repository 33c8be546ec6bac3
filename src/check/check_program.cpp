#include "check/check_program.h"

#include <exception>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "check/disc_check.h"
#include "check/report_output.h"
#include "platform/disc/console.h"
#include "platform/disc/host_text.h"

namespace tolvane::check {

namespace {

constexpr int kStatusError = 2;

constexpr const char* kUsage =
    "usage: tolvane-check DISC_FOLDER [-- LAUNCHER_PARAMETERS...] [--json]\n"
    "\n"
    "Runs the launcher's start-up and selects every line of its list, headless, on\n"
    "DISC_FOLDER as the CD-ROM drive Q: with the launcher at Q:\\tolvane.exe, and\n"
    "reports what it shows and does, and what to look at. Nothing is run or written.\n"
    "\n"
    "  -- PARAMETERS  the launcher's command-line parameters (/i:, /d:, /o:)\n"
    "  --json         the report as JSON (it may come anywhere)\n"
    "\n"
    "Exit status: 0 clean, 1 with warnings, 2 with errors.\n";

int Refuse(const std::string& message) {
  PrintToConsole(ConsoleStream::Error, "tolvane-check: " + message + "\n");
  return kStatusError;
}

}  // namespace

int RunCheckProgram(const std::vector<std::string>& args) {
  bool json = false;
  bool launcherParameters = false;
  std::string disc;
  std::vector<std::string> parameters;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (launcherParameters) {
      const std::optional<std::string> written = Cp932FromUtf8(arg);
      if (!written)
        return Refuse("the launcher's parameter \"" + arg +
                      "\" cannot be written in code page 932 (Shift-JIS)");
      parameters.push_back(*written);
    } else if (arg == "--") {
      launcherParameters = true;
    } else if (arg == "-h" || arg == "--help") {
      PrintToConsole(ConsoleStream::Output, kUsage);
      return 0;
    } else if (arg.starts_with("-") || !disc.empty()) {
      PrintToConsole(ConsoleStream::Error, kUsage);
      return kStatusError;
    } else {
      disc = arg;
    }
  }
  if (disc.empty()) {
    PrintToConsole(ConsoleStream::Error, kUsage);
    return kStatusError;
  }
  const std::filesystem::path folder(std::u8string(disc.begin(), disc.end()));
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error))
    return Refuse(disc + " is no folder");
  try {
    const DiscReport report = CheckDisc(folder, parameters);
    std::ostringstream out;
    if (json)
      WriteJsonReport(report, out);
    else
      WriteTextReport(report, out);
    PrintToConsole(ConsoleStream::Output, out.str());
    return report.ExitStatus();
  } catch (const std::exception& e) {
    return Refuse(std::string("the check failed: ") + e.what());
  }
}

}  // namespace tolvane::check
