#include "check/disc_check.h"

#include <algorithm>
#include <tuple>

#include "autorun1/combined_document.h"
#include "check/check_steps.h"
#include "menu/menu_messages.h"
#include "menu/sounds.h"
#include "platform/disc/host_text.h"
#include "runtime/application.h"
#include "runtime/cp932_text.h"
#include "target/action_report.h"

namespace tolvane::check {

namespace {

constexpr unsigned kIconMask = 0xF0;
constexpr const char* kMenuNames[] = {"AutoRun.KWT", "AutoRun.KWP", "AutoRun.INI"};

// Where the platform's records stood when a part of the run began.
struct Mark {
  std::size_t messages;
  std::size_t reads;
  std::size_t shellCalls;
  explicit Mark(const DiscPlatform& platform)
      : messages(platform.messages.size()),
        reads(platform.reads.size()),
        shellCalls(platform.shellCalls.size()) {}
};

std::vector<Message> MessagesSince(const DiscPlatform& platform, const Mark& mark) {
  std::vector<Message> messages;
  for (std::size_t i = mark.messages; i < platform.messages.size(); ++i) {
    const RecordedMessage& m = platform.messages[i];
    messages.push_back({Utf8FromCp932(m.text), Utf8FromCp932(m.caption), m.style});
  }
  return messages;
}

// The menu file the launcher takes: the "/i:" file, else the first of the
// three names beside the launcher.
std::string MenuFileTaken(DiscPlatform& platform, const StartupFolders& folders,
                          const std::vector<CommandOption>& options) {
  if (!options.empty() && options[0].kind == OptionKind::Menu) {
    const std::string& value = options[0].value;
    const std::string path =
        HasDrivePart(value) ? value : platform.FullPath(folders.ApplicationDirSlash + value);
    if (!FileNamePart(path).empty())
      return path;
  }
  for (const char* name : kMenuNames)
    if (platform.FileExists(folders.ApplicationDirSlash + name))
      return folders.ApplicationDirSlash + name;
  return {};
}

// What to do about a message box the launcher shows, where the checker knows.
std::string AdviceFor(const LauncherRun& run, const RecordedMessage& shown,
                      const std::vector<std::string>& unreadable,
                      const std::vector<std::string>& notFound) {
  auto is = [&](MenuMessage message) {
    return shown.text == MenuMessageText(message, FileNamePart(run.menuPath)).text;
  };
  if (is(MenuMessage::NoMenuFile))
    return "put the menu file AutoRun.KWP at the disc's root, beside tolvane.exe";
  if (is(MenuMessage::OnlySettingsFile))
    return "AutoRun.INI begins with \"[KWT Setting]\", which makes it no menu: write the menu "
           "as AutoRun.KWP";
  if (is(MenuMessage::MenuOptionFileMissing))
    return "the /i: parameter names a menu file that is not on the disc";
  if ((shown.style & kIconMask) == mb::kIconExclamation)
    return "give /i: as the first parameter";
  auto list = [](const std::vector<std::string>& files) {
    std::string listed;
    for (const std::string& file : files)
      listed += (listed.empty() ? "" : ", ") + file;
    return listed;
  };
  if (!unreadable.empty())
    return "make it readable: " + list(unreadable) + " cannot be read here";
  if (!notFound.empty())
    return list(notFound) + " is not on the disc: correct the /o: parameter";
  return {};
}

// An error box or a warning box is a finding; the questions and notices the
// launcher asks or gives as it should are not.
void AddMessageFindings(const LauncherRun& run, DiscReport& report, const Mark& mark,
                        std::string_view when, bool ended) {
  std::vector<std::string> unreadable;
  for (std::size_t i = mark.reads; i < run.platform.reads.size(); ++i)
    if (run.platform.reads[i].error != 0 && run.platform.FileExists(run.platform.reads[i].path))
      unreadable.push_back(FindingFile(run.platform, run.platform.reads[i].path));
  std::vector<std::string> notFound;
  for (std::size_t i = mark.shellCalls; i < run.platform.shellCalls.size(); ++i)
    if (run.platform.shellCalls[i].result <= 32)
      notFound.push_back(Quoted(run.platform.shellCalls[i].file));
  for (std::size_t i = mark.messages; i < run.platform.messages.size(); ++i) {
    const RecordedMessage& shown = run.platform.messages[i];
    const unsigned icon = shown.style & kIconMask;
    if (icon != mb::kIconHand && icon != mb::kIconExclamation)
      continue;
    // A box after which the launcher ends is an error whatever its icon.
    const bool last = ended && i + 1 == run.platform.messages.size();
    const bool error = icon == mb::kIconHand || last;
    std::string message = std::string(when) + " the launcher shows " +
                          (icon == mb::kIconHand ? "the error box " : "the warning box ") +
                          Quoted(shown.text) + " (caption " + Quoted(shown.caption) + ")";
    if (last)
      message += " and ends without showing its window";
    const bool known = std::any_of(
        report.findings.begin(), report.findings.end(),
        [&](const Finding& f) { return f.message.find(Quoted(shown.text)) != std::string::npos; });
    if (!known)
      AddFinding(report, error ? Severity::Error : Severity::Warning, "", 0, message,
                 AdviceFor(run, shown, unreadable, notFound));
  }
}

// The description file the pane shows, as the launcher names it.
std::string ShownFile(DiscPlatform& platform, const TForm1& form) {
  return platform.FullPath(form.Action.folder + "\\" + form.RichEdit1.Hint());
}

Description DescriptionOf(DiscPlatform& platform, const TForm1& form) {
  const RichEdit& pane = form.RichEdit1;
  Description d;
  const RunRefusal refusal = form.Action.refusal;
  if (pane.GetFont().color == kColorRed) {
    d.source = Description::Source::Notice;
    d.text = Utf8FromCp932(pane.Text());
  } else if (refusal == RunRefusal::NoFolder || refusal == RunRefusal::FolderMissing ||
             refusal == RunRefusal::MenuFolderMissing) {
    d.source = Description::Source::None;
  } else if (form.DocOptionActive) {
    d.source = Description::Source::Section;
    for (const std::string& line :
         CombinedDocumentSection(form.RichEdit2.Lines(), form.ListBox1.ItemIndex() + 1))
      d.text += Utf8FromCp932(line) + "\r\n";
  } else if (!pane.Hint().empty()) {
    d.source = Description::Source::File;
    d.file = Utf8FromCp932(ShownFile(platform, form));
    d.richText = pane.IsRichText();
    d.hint = Utf8FromCp932(pane.Hint());
  }
  return d;
}

void SelectEveryLine(LauncherRun& run, DiscReport& report) {
  TForm1& form = run.form;
  const int lines = static_cast<int>(form.ListBox1.Items().size());
  for (int line = 0; line < lines; ++line) {
    const Mark mark(run.platform);
    form.ListBox1.SetItemIndex(line);
    form.App().Guard([&form] { form.ListBox1Click(form.ListBox1); });
    EntryReport entry;
    entry.line = line + 1;
    entry.caption = Utf8FromCp932(form.ListBox1.Items()[static_cast<std::size_t>(line)]);
    for (const auto& [name, value] : ActionFields(form.Action))
      entry.action.emplace_back(name, Utf8FromCp932(value));
    entry.description = DescriptionOf(run.platform, form);
    run.actions.push_back(form.Action);
    if (entry.description.source == Description::Source::File) {
      const std::string shown = ShownFile(run.platform, form);
      if (std::find(run.descriptionFiles.begin(), run.descriptionFiles.end(), shown) ==
          run.descriptionFiles.end())
        run.descriptionFiles.push_back(shown);
    }
    entry.messages = MessagesSince(run.platform, mark);
    AddMessageFindings(run, report, mark, "when line " + std::to_string(line + 1) + " is selected",
                       false);
    report.entries.push_back(std::move(entry));
  }
}

AboutView AboutViewOf(const TForm1& form) {
  const TAboutBox& box = *form.AboutBox;
  AboutView view;
  view.caption = Utf8FromCp932(box.Caption());
  switch (AboutTextState) {
    case 1:
      view.file = Utf8FromCp932(form.Folders.ApplicationDirSlash + "AutoLice.txt");
      break;
    case 2:
      view.file = Utf8FromCp932(form.Folders.ApplicationDirSlash + "AutoRun.txt");
      break;
    default:
      view.notice = Utf8FromCp932(box.Memo1.Text());
      break;
  }
  return view;
}

void OpenAboutBox(const LauncherRun& run, DiscReport& report) {
  TForm1& form = run.form;
  const Mark mark(run.platform);
  if (!form.App().Guard([&form] { form.Button3Click(form.Button3); }) || !form.AboutBox)
    return;
  AboutReport about;
  about.opened = AboutViewOf(form);
  form.App().Guard([&form] { form.AboutBox->ProgramIconClick(form.AboutBox->ProgramIcon); });
  about.afterClick = AboutViewOf(form);
  about.messages = MessagesSince(run.platform, mark);
  AddMessageFindings(run, report, mark, "when the About box opens", false);
  report.about = std::move(about);
}

std::optional<SoundReport> SoundOf(DiscPlatform& platform, const StartupFolders& folders,
                                   const std::string& file, const std::string& command) {
  if (file.empty())
    return std::nullopt;
  SoundReport sound;
  const std::string path = ResolveSoundPath(file, folders);
  sound.file = Utf8FromCp932(file);
  sound.path = Utf8FromCp932(path);
  sound.wait = command == "Play File wait";
  sound.exists = platform.FileExists(path);
  return sound;
}

void ReportSideFiles(const LauncherRun& run, DiscReport& report) {
  const TForm1& form = run.form;
  if (form.Documents.DocumentNamesLoaded) {
    report.documentNames.emplace();
    for (int k = 0; k < form.Documents.DocumentNameCount; ++k)
      report.documentNames->push_back(Utf8FromCp932(form.Documents.DocumentNames[k]));
  }
  const SoundSettings& sounds = form.Sounds;
  report.soundListRead = run.platform.FileExists(form.Folders.MenuDirSlash + "sound.kwp");
  if (!sounds.SoundEnabled)
    return;
  report.startSound =
      SoundOf(run.platform, form.Folders, sounds.StartSoundFile, sounds.StartSoundCommand);
  report.aboutSound =
      SoundOf(run.platform, form.Folders, sounds.AboutSoundFile, sounds.AboutSoundCommand);
}

}  // namespace

std::string Quoted(std::string_view cp932) {
  return "\"" + Utf8FromCp932(cp932) + "\"";
}

std::string FindingFile(DiscPlatform& platform, std::string_view path) {
  const std::string onDisc = platform.DiscPathOf(path);
  if (!onDisc.empty())
    return onDisc;
  // Not there: the path from the root as the launcher writes it.
  std::string full = platform.FullPath(path);
  if (!EqualsIgnoreCase(DrivePart(full), DiscPlatform::kDrive))
    return Utf8FromCp932(full);
  full.erase(0, DiscPlatform::kDrive.size() + 1);
  for (std::size_t i = 0; i < full.size(); ++i)
    if (IsCharStart(full, i) && full[i] == '\\')
      full[i] = '/';
  return Utf8FromCp932(full);
}

void AddFinding(DiscReport& report, Severity severity, std::string file, int line,
                std::string message, std::string advice) {
  report.findings.push_back(
      {severity, std::move(file), line, std::move(message), std::move(advice)});
}

DiscReport CheckDisc(const std::filesystem::path& disc,
                     const std::vector<std::string>& parameters) {
  DiscPlatform platform(disc, parameters);
  Application app(platform);
  app.SetTitle("Tolvane");
  const std::vector<CommandOption> options = ReadCommandOptions(platform.Arguments());
  TForm1 form(app, options);

  DiscReport report;
  const std::u8string folder = disc.u8string();
  report.disc.assign(folder.begin(), folder.end());
  for (const std::string& parameter : parameters)
    report.parameters.push_back(Utf8FromCp932(parameter));

  const Mark start(platform);
  const bool started = app.Guard([&form] { form.FormCreate(); });
  const bool directOpen = std::any_of(options.begin(), options.end(), [](const CommandOption& o) {
    return o.kind == OptionKind::Open;
  });
  report.windowShown = started && form.Shown();
  report.startupMessages = MessagesSince(platform, start);
  for (const RecordedShellCall& call : platform.shellCalls)
    report.shellCalls.push_back({Utf8FromCp932(call.verb), Utf8FromCp932(call.file),
                                 Utf8FromCp932(call.parameters), Utf8FromCp932(call.directory),
                                 call.result});

  LauncherRun run{
      platform, form,
      options,  directOpen ? std::string() : MenuFileTaken(platform, form.Folders, options),
      {},       {}};
  report.menuFile = Utf8FromCp932(run.menuPath);
  const bool ended = !report.windowShown && !directOpen;
  AddMessageFindings(run, report, start, "at start-up", ended);
  if (ended && report.Count(Severity::Error) == 0)
    AddFinding(report, Severity::Error, "", 0,
               "the launcher ends at start-up without showing its window", "");
  if (report.windowShown) {
    SelectEveryLine(run, report);
    OpenAboutBox(run, report);
    ReportSideFiles(run, report);
    CheckMenu(run, report);
    CheckSideFiles(run, report);
    CheckTextFiles(run, report);
  }
  CheckNames(disc, report);

  std::stable_sort(
      report.findings.begin(), report.findings.end(), [](const Finding& a, const Finding& b) {
        return std::tie(a.severity, a.file, a.line) < std::tie(b.severity, b.file, b.line);
      });
  return report;
}

int DiscReport::Count(Severity severity) const {
  return static_cast<int>(std::count_if(findings.begin(), findings.end(),
                                        [&](const Finding& f) { return f.severity == severity; }));
}

int DiscReport::ExitStatus() const {
  return Count(Severity::Error) > 0 ? 2 : Count(Severity::Warning) > 0 ? 1 : 0;
}

}  // namespace tolvane::check
