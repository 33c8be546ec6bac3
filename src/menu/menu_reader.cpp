#include "menu/menu_reader.h"

#include "menu/menu_messages.h"
#include "platform/platform.h"
#include "runtime/cp932_text.h"
#include "runtime/text_reader.h"
#include "startup/placeholders.h"

namespace tolvane {

namespace {

constexpr std::string_view kSettingsHeader = "[KWT Setting]";
constexpr std::size_t kSettingsHeaderReadLimit = 30;

std::string NormaliseFolder(std::string folder) {
  if (folder.empty())
    return ".";
  folder = RemoveTrailingBackslash(folder);
  if (!folder.empty() && folder.back() == '/')
    folder.pop_back();
  return folder;
}

// Reads a menu file and its records; false when the file could not be read.
bool ReadMenuFile(Platform& platform, const std::string& path, const StartupFolders& folders,
                  const CaptionMeasurer& measure, LauncherTable& table) {
  const FileContent file = platform.ReadFile(path);
  if (file.error != 0)
    return false;
  ReadMenuRecords(file.bytes, folders, measure, table);
  return true;
}

}  // namespace

void ReadMenuRecords(std::string_view bytes, const StartupFolders& folders,
                     const CaptionMeasurer& measure, LauncherTable& table) {
  TextReader reader(bytes);
  while (table.EntryCount < kMaxLauncherEntries && !reader.SkipBlanksToEnd()) {
    TLauncherEntry& entry = table.LauncherEntries[table.EntryCount++];
    entry.Caption = reader.ReadLine(kShortStringMax);
    entry.Folder = NormaliseFolder(reader.ReadLine(kShortStringMax));
    entry.Target = reader.ReadLine(kShortStringMax);
    if (entry.Target.empty() && entry.Folder == ".")
      entry.Folder.clear();
    entry.Folder = ExpandMenuPlaceholders(entry.Folder, folders, TextLimit::ShortString);
    entry.Target = ExpandMenuPlaceholders(entry.Target, folders, TextLimit::ShortString);
    const int width = measure ? measure(entry.Caption) : 0;
    if (width > table.ListCaptionMaxWidth)
      table.ListCaptionMaxWidth = width;
  }
}

bool StartsWithSettingsHeader(std::string_view bytes) {
  TextReader reader(bytes);
  return EqualsIgnoreCase(reader.ReadLine(kSettingsHeaderReadLimit), kSettingsHeader);
}

MenuOutcome ReadMenu(Platform& platform, std::string_view title, const StartupFolders& folders,
                     const MenuChoice& choice, const CaptionMeasurer& measure,
                     LauncherTable& table) {
  auto fail = [&](MenuMessage message, std::string_view fileName = {}) {
    ShowMenuMessage(platform, title, message, fileName);
    return MenuOutcome::EndProgram;
  };

  if (choice.MenuOptionGiven) {
    const std::string fileName = FileNamePart(choice.MenuOptionPath);
    if (!platform.FileExists(choice.MenuOptionPath))
      return fail(MenuMessage::MenuOptionFileMissing, fileName);
    if (!ReadMenuFile(platform, choice.MenuOptionPath, folders, measure, table))
      return fail(MenuMessage::MenuOptionReadError, fileName);
    return MenuOutcome::Continue;
  }

  const std::string kwt = folders.ApplicationDirSlash + "AutoRun.KWT";
  const std::string kwp = folders.ApplicationDirSlash + "AutoRun.KWP";
  const std::string ini = folders.ApplicationDirSlash + "AutoRun.INI";

  // An AutoRun.KWT is a menu of another format, not read: the list stays empty.
  if (platform.FileExists(kwt))
    return MenuOutcome::Continue;
  if (platform.FileExists(kwp)) {
    if (!ReadMenuFile(platform, kwp, folders, measure, table))
      return fail(MenuMessage::KwpReadError);
    // Settings beside the menu are not read, but the file must be readable.
    if (platform.FileExists(ini) && platform.ReadFile(ini).error != 0)
      return fail(MenuMessage::IniReadError);
    return MenuOutcome::Continue;
  }
  if (!platform.FileExists(ini))
    return fail(MenuMessage::NoMenuFile);

  const FileContent settings = platform.ReadFile(ini);
  if (settings.error != 0)
    return fail(MenuMessage::IniReadError);
  if (StartsWithSettingsHeader(settings.bytes))
    return fail(MenuMessage::OnlySettingsFile);
  ReadMenuRecords(settings.bytes, folders, measure, table);
  if (platform.DriveType(DrivePart(platform.ProgramPath())) != kDriveCdRom)
    ShowMenuMessage(platform, title, MenuMessage::RenameAdvice);
  return MenuOutcome::Continue;
}

}  // namespace tolvane
