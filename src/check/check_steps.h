// The parts of a check after the launcher has run: each reads the launcher as
// the run left it and adds what it finds to the report.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "autorun1/form1.h"
#include "check/disc_report.h"
#include "platform/disc/disc_platform.h"
#include "startup/option_scan.h"

namespace tolvane::check {

struct LauncherRun {
  DiscPlatform& platform;
  TForm1& form;
  const std::vector<CommandOption>& options;
  std::string menuPath;  // the menu file the launcher took; empty for none
  // Each line's action as its selection found it, and the description files
  // the pane showed, in the order first shown.
  std::vector<TargetAction> actions;
  std::vector<std::string> descriptionFiles;
};

// A launcher text in a report: UTF-8 in quotes.
std::string Quoted(std::string_view cp932);
// Where a file is, for a finding: its path from the disc's root, or as the
// launcher names it when it is not on the disc.
std::string FindingFile(DiscPlatform& platform, std::string_view path);
void AddFinding(DiscReport& report, Severity severity, std::string file, int line,
                std::string message, std::string advice);

// The menu file and the entries: records, lines, placeholders, drives, and
// the entries that cannot run.
void CheckMenu(const LauncherRun& run, DiscReport& report);
// txt.kwp, sound.kwp and their sounds, the About texts, a "/d:" document.
void CheckSideFiles(const LauncherRun& run, DiscReport& report);
// Every text file the launcher reads: its encoding, and for descriptions
// whether they are the RTF their names say and the pane can show.
void CheckTextFiles(const LauncherRun& run, DiscReport& report);
// The names in the disc folder, as an ISO 9660 disc with Joliet names and
// then Windows take them.
void CheckNames(const std::filesystem::path& disc, DiscReport& report);

}  // namespace tolvane::check
