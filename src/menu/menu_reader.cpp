#include "menu/menu_reader.h"

#include <algorithm>

#include "menu/menu_messages.h"
#include "platform/platform.h"
#include "runtime/cp932_text.h"
#include "runtime/text_reader.h"
#include "startup/placeholders.h"

namespace tolvane {

namespace {

constexpr std::string_view kSettingsHeader = "[KWT Setting]";
constexpr std::size_t kSettingsHeaderReadLimit = 30;

// A caption shows "?" for a character code page 932 cannot hold.
std::string CaptionOf(const DecodedText& menu, std::string line) {
  if (menu.encoding != TextEncoding::Cp932)
    std::replace(line.begin(), line.end(), static_cast<char>(StandIn::Marked), '?');
  return line;
}

// A folder or target with such a character names nothing, never another
// file: its stand-ins become "|", and one more in front keeps an address or
// a system action from being read in it.
std::string EntryNameOf(const DecodedText& menu, std::string line) {
  const char marked = static_cast<char>(StandIn::Marked);
  if (menu.encoding == TextEncoding::Cp932 || line.find(marked) == std::string::npos)
    return line;
  std::string name = "|";
  for (const char c : line)
    name += c == marked ? '|' : c;
  return ShortString(name);
}

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
  int error = 0;
  const DecodedText menu = ReadTextFile(platform, path, StandIn::Marked, error);
  if (error != 0)
    return false;
  ReadMenuRecords(menu, folders, measure, table);
  return true;
}

}  // namespace

void ReadMenuRecords(const DecodedText& menu, const StartupFolders& folders,
                     const CaptionMeasurer& measure, LauncherTable& table) {
  TextReader reader(menu.text);
  while (table.EntryCount < kMaxLauncherEntries && !reader.SkipBlanksToEnd()) {
    TLauncherEntry& entry = table.LauncherEntries[table.EntryCount++];
    entry.Caption = CaptionOf(menu, reader.ReadLine(kShortStringMax));
    entry.Folder = NormaliseFolder(EntryNameOf(menu, reader.ReadLine(kShortStringMax)));
    entry.Target = EntryNameOf(menu, reader.ReadLine(kShortStringMax));
    if (entry.Target.empty() && entry.Folder == ".")
      entry.Folder.clear();
    entry.Folder = ExpandMenuPlaceholders(entry.Folder, folders, TextLimit::ShortString);
    entry.Target = ExpandMenuPlaceholders(entry.Target, folders, TextLimit::ShortString);
    const int width = measure ? measure(entry.Caption) : 0;
    if (width > table.ListCaptionMaxWidth)
      table.ListCaptionMaxWidth = width;
  }
}

bool StartsWithSettingsHeader(std::string_view text) {
  TextReader reader(text);
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

  int error = 0;
  const DecodedText menu = ReadTextFile(platform, ini, StandIn::Marked, error);
  if (error != 0)
    return fail(MenuMessage::IniReadError);
  if (StartsWithSettingsHeader(menu.text))
    return fail(MenuMessage::OnlySettingsFile);
  ReadMenuRecords(menu, folders, measure, table);
  if (platform.DriveType(DrivePart(platform.ProgramPath())) != kDriveCdRom)
    ShowMenuMessage(platform, title, MenuMessage::RenameAdvice);
  return MenuOutcome::Continue;
}

}  // namespace tolvane
