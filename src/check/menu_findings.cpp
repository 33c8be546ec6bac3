// The menu file and its entries as the launcher reads them.
#include "check/check_steps.h"
#include "check/file_lines.h"
#include "platform/disc/host_text.h"
#include "runtime/cp932_table.h"
#include "runtime/cp932_text.h"
#include "runtime/text_encoding.h"
#include "target/target_kind.h"

namespace tolvane::check {

namespace {

constexpr const char* kShortenLine =
    "shorten it to at most 255 bytes (in Shift-JIS a Japanese character takes two)";
constexpr const char* kMenuPlaceholders =
    "the menu knows %ProgramFiles%, %WindowsDir%, %SystemDir%, %TempDir%, %Root%, "
    "%ApplicationDir% and %KwtFileDir%, in any letter case";
constexpr const char* kFixedFolderAdvice =
    "write the folder from the menu file's folder (\"Setup\"), or begin it with %KwtFileDir% "
    "or %ApplicationDir%; for a folder on the user's computer, begin it with %ProgramFiles%, "
    "%WindowsDir%, %SystemDir%, %TempDir% or %Root%";

// An entry in a finding: its number and its caption, a long one cut.
std::string EntryName(int n, const TLauncherEntry& entry) {
  constexpr std::size_t kShown = 40;
  std::string_view caption = entry.Caption;
  std::string more;
  if (caption.size() > kShown) {
    std::size_t cut = kShown;
    while (cut > 0 && !IsCharStart(caption, cut))
      --cut;
    caption = caption.substr(0, cut);
    more = "...";
  }
  return "entry " + std::to_string(n) + " \"" + Utf8FromCp932(caption) + more + "\"";
}

// A file as the menu's reader read it.
std::string ReadAs(DiscPlatform& platform, const std::string& path, StandIn standIn) {
  FileContent file = platform.ReadFile(path);
  return file.error != 0 ? std::string()
                         : DecodeText(std::move(file.bytes), BuiltInCp932(), standIn).text;
}

// The folder of a launcher path on the disc, for a person: "Driver", or
// the disc's root; elsewhere the path itself.
std::string PlaceOf(DiscPlatform& platform, const std::string& folder) {
  if (!EqualsIgnoreCase(DrivePart(platform.FullPath(folder)), DiscPlatform::kDrive))
    return Quoted(folder);
  const std::string onDisc = platform.DiscPathOf(folder);
  return onDisc.empty() ? "the disc's root" : "the folder \"" + onDisc + "\"";
}

bool OnDisc(DiscPlatform& platform, const std::string& path) {
  return EqualsIgnoreCase(DrivePart(platform.FullPath(path)), DiscPlatform::kDrive);
}

void CheckLength(DiscReport& report, const std::string& file, const FileLine& line,
                 std::string_view what) {
  if (line.text.size() <= kShortStringMax)
    return;
  AddFinding(report, Severity::Warning, file, line.number,
             "the line has " + std::to_string(line.text.size()) +
                 " bytes and the launcher keeps the first 255: " + std::string(what),
             kShortenLine);
}

// "%word%" left after the placeholders: the value names nothing.
bool CheckTokens(DiscReport& report, const std::string& file, int line, std::string_view what,
                 const std::string& value) {
  const std::vector<std::string> tokens = PercentTokens(value);
  for (const std::string& token : tokens) {
    if (EqualsIgnoreCase(token, "%param%"))
      AddFinding(report, Severity::Warning, file, line,
                 std::string(what) + " keeps \"%param%\" as written: it belongs to /o: targets",
                 "an entry's parameters follow a \"/\" after its file: \"setup.exe /s\"");
    else
      AddFinding(report, Severity::Warning, file, line,
                 std::string(what) + " keeps " + Quoted(token) +
                     " as written: it is no placeholder the launcher knows",
                 kMenuPlaceholders);
  }
  return !tokens.empty();
}

bool CheckFixedFolder(DiscReport& report, const std::string& file, const FileLine& line,
                      std::string_view what) {
  if (!HasDrivePart(line.text))
    return false;
  const bool network = line.text.starts_with("\\\\");
  AddFinding(report, Severity::Warning, file, line.number,
             std::string(what) + " " + Quoted(line.text) + " names a fixed " +
                 (network ? "network folder" : "drive") +
                 ", but the disc's drive letter differs from one computer to another",
             kFixedFolderAdvice);
  return true;
}

void CheckRecord(const LauncherRun& run, DiscReport& report, const std::string& file, int n,
                 const MenuRecordLines& lines, const TLauncherEntry& entry,
                 const TargetAction& action) {
  DiscPlatform& platform = run.platform;
  const std::string name = EntryName(n, entry);
  CheckLength(report, file, lines.caption, "the caption of " + name + " is cut");
  CheckLength(report, file, lines.folder, "the folder of " + name + " is another than written");
  CheckLength(report, file, lines.target, "the target of " + name + " is another than written");

  const bool opensFile = !IsSystemActionKind(action.kind) && !IsAddressKind(action.kind);
  bool folderTold = false;
  bool targetTold = false;
  if (entry.Folder != "?") {
    folderTold = CheckFixedFolder(report, file, lines.folder, "the folder of " + name);
    folderTold =
        CheckTokens(report, file, lines.folder.number, "the folder of " + name, entry.Folder) ||
        folderTold;
  }
  if (opensFile) {
    if (HasDrivePart(lines.target.text)) {
      AddFinding(report, Severity::Warning, file, lines.target.number,
                 "the target of " + name + " " + Quoted(lines.target.text) +
                     " begins with a drive, but a target is a file in the entry's folder",
                 "write the folder on the folder line and only the file (and its parameters) "
                 "on the target line");
      targetTold = true;
    }
    targetTold =
        CheckTokens(report, file, lines.target.number, "the target of " + name, entry.Target) ||
        targetTold;
  }

  switch (action.refusal) {
    case RunRefusal::FileMissing:
      if (!targetTold && !folderTold)
        AddFinding(report, Severity::Warning, file, lines.target.number,
                   name + " cannot run: " + Quoted(action.file) + " is not in " +
                       PlaceOf(platform, action.folder),
                   "put the file there, or correct the target");
      break;
    case RunRefusal::FolderMissing:
      if (folderTold)
        break;
      if (OnDisc(platform, action.folder))
        AddFinding(report, Severity::Warning, file, lines.folder.number,
                   name + " cannot run and its folder button is disabled: its folder " +
                       Quoted(action.folder) + " is not on the disc",
                   "create the folder on the disc, or correct the folder line");
      else
        AddFinding(report, Severity::Note, file, lines.folder.number,
                   name + " has its folder " + Quoted(action.folder) +
                       " on the user's computer, which the check cannot see: here it counts as "
                       "missing",
                   {});
      break;
    case RunRefusal::UnknownSystemAction:
      AddFinding(
          report, Severity::Warning, file, lines.target.number,
          name + " cannot run: " + Quoted(entry.Target) + " is no system action the launcher knows",
          "write ?reboot, ?logoff or ?poweroff");
      break;
    default:
      break;  // a "?" folder is a heading, meant not to run
  }
}

void CheckDocumentNames(const LauncherRun& run, DiscReport& report) {
  if (!run.form.Documents.DocumentNamesLoaded)
    return;
  const std::string path = run.form.Folders.MenuDirSlash + "txt.kwp";
  const std::string file = FindingFile(run.platform, path);
  const std::string text = ReadAs(run.platform, path, StandIn::Name);
  const std::vector<FileLine> names = NameLinesOf(text);
  for (const FileLine& name : names)
    CheckLength(report, file, name, "the name is another than written");
  if (names.size() > static_cast<std::size_t>(kMaxDocumentNames))
    AddFinding(report, Severity::Warning, file, names[kMaxDocumentNames].number,
               "txt.kwp names " + std::to_string(names.size()) +
                   " documents: the launcher reads the first 100 and ignores the rest from here",
               "keep to 100 names");
}

void CheckSound(const LauncherRun& run, DiscReport& report, const std::string& file,
                const FileLine& line, const std::string& value,
                const std::optional<SoundReport>& sound, std::string_view what) {
  if (value.empty() || !sound)
    return;
  const std::string named = "the " + std::string(what);
  bool told = CheckFixedFolder(report, file, line, named);
  told = CheckTokens(report, file, line.number, named, value) || told;
  if (told || sound->exists)
    return;
  const std::string path = ResolveSoundPath(value, run.form.Folders);
  if (OnDisc(run.platform, path))
    AddFinding(report, Severity::Warning, file, line.number,
               named + " " + Quoted(value) + " is not on the disc: the launcher plays nothing",
               "put the sound file there, or correct the line");
  else
    AddFinding(
        report, Severity::Note, file, line.number,
        named + " " + Quoted(path) + " is on the user's computer, which the check cannot see", {});
}

void CheckSoundList(const LauncherRun& run, DiscReport& report) {
  if (!report.soundListRead)
    return;
  const std::string path = run.form.Folders.MenuDirSlash + "sound.kwp";
  const std::vector<std::array<FileLine, 4>> groups =
      SoundGroupLinesOf(ReadAs(run.platform, path, StandIn::Name));
  if (groups.empty())
    return;
  const std::string file = FindingFile(run.platform, path);
  const std::array<FileLine, 4>& last = groups.back();  // the last group counts
  const SoundSettings& sounds = run.form.Sounds;
  CheckSound(run, report, file, last[0], sounds.StartSoundFile, report.startSound,
             "start-up sound");
  CheckSound(run, report, file, last[2], sounds.AboutSoundFile, report.aboutSound,
             "About box's sound");
}

}  // namespace

void CheckMenu(const LauncherRun& run, DiscReport& report) {
  if (run.menuPath.empty())
    return;
  const std::string file = FindingFile(run.platform, run.menuPath);
  if (EqualsIgnoreCase(FileNamePart(run.menuPath), "AutoRun.KWT")) {
    AddFinding(report, Severity::Warning, file, 0,
               "the launcher takes AutoRun.KWT, a menu of another kind that it does not read: "
               "its list stays empty",
               "write the menu as AutoRun.KWP and leave AutoRun.KWT off the disc");
    return;
  }
  const std::vector<MenuRecordLines> records =
      MenuRecordLinesOf(ReadAs(run.platform, run.menuPath, StandIn::Marked));
  if (records.empty()) {
    AddFinding(report, Severity::Warning, file, 0,
               "the menu file holds no entry: the launcher's list is empty",
               "write three lines for each entry: its caption, its folder and its target");
    return;
  }
  if (records.size() > static_cast<std::size_t>(kMaxLauncherEntries))
    AddFinding(report, Severity::Warning, file, records[kMaxLauncherEntries].caption.number,
               "the menu holds " + std::to_string(records.size()) +
                   " entries: the launcher reads the first 100 and ignores the rest from here",
               "keep to 100 entries");
  const std::size_t read = std::min(records.size(), run.actions.size());
  for (std::size_t i = 0; i < read; ++i) {
    const int n = static_cast<int>(i) + 1;
    CheckRecord(run, report, file, n, records[i], *run.form.Menu.Entry(n), run.actions[i]);
  }
}

void CheckSideFiles(const LauncherRun& run, DiscReport& report) {
  CheckDocumentNames(run, report);
  CheckSoundList(run, report);
  if (report.about && report.about->opened.file.empty())
    AddFinding(report, Severity::Warning, "", 0,
               "the About box shows " + report.about->opened.notice +
                   ": neither AutoLice.txt nor AutoRun.txt is beside tolvane.exe",
               "put a licence AutoLice.txt or a read-me AutoRun.txt at the disc's root");

  // "/d:": only the last parameter counts, and only a document that is there.
  const TForm1& form = run.form;
  for (std::size_t i = 0; i < run.options.size(); ++i) {
    if (run.options[i].kind != OptionKind::Document)
      continue;
    const std::string path = form.Folders.MenuDirSlash + run.options[i].value;
    if (i + 1 != run.options.size())
      AddFinding(report, Severity::Warning, "", 0,
                 "the parameter /d:" + Utf8FromCp932(run.options[i].value) +
                     " is not the last one, so the launcher ignores it",
                 "give /d: as the last parameter");
    else if (!run.platform.FileExists(path))
      AddFinding(report, Severity::Warning, FindingFile(run.platform, path), 0,
                 "the /d: document is not on the disc: the launcher describes the entries "
                 "from their folders instead",
                 "put it in the menu file's folder, or correct the /d: parameter");
    else if (form.DocOptionActive)
      for (const EntryReport& entry : report.entries)
        if (entry.description.source == Description::Source::Section &&
            entry.description.text.empty())
          AddFinding(report, Severity::Warning, FindingFile(run.platform, path), 0,
                     "entry " + std::to_string(entry.line) + " \"" + entry.caption +
                         "\" has no section //" + std::to_string(entry.line) +
                         ": its pane stays empty",
                     "add a line \"//" + std::to_string(entry.line) +
                         "\" followed by the entry's description");
  }
}

}  // namespace tolvane::check
