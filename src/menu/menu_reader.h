// Choosing the menu file and reading its three-line records into the
// launcher entry table.
#pragma once

#include <string>
#include <string_view>

#include "menu/launcher_table.h"
#include "runtime/callback.h"
#include "runtime/text_encoding.h"
#include "startup/startup_folders.h"

namespace tolvane {

class Platform;

struct MenuChoice {
  bool MenuOptionGiven = false;
  std::string MenuOptionPath;
};

using CaptionMeasurer = Callback<int(std::string_view caption)>;

enum class MenuOutcome { Continue, EndProgram };

// Finds the menu file, reads it into `table`, and shows the messages of a
// missing or unreadable file. EndProgram: a message was shown and start-up
// must go no further.
MenuOutcome ReadMenu(Platform& platform, std::string_view title, const StartupFolders& folders,
                     const MenuChoice& choice, const CaptionMeasurer& measure,
                     LauncherTable& table);

// Appends the records of a menu file, decoded with StandIn::Marked, to the
// table, at most up to its 100th entry; the rest of the file is ignored. A
// caption shows "?" for a character code page 932 cannot hold; a folder or
// target with one names nothing.
void ReadMenuRecords(const DecodedText& menu, const StartupFolders& folders,
                     const CaptionMeasurer& measure, LauncherTable& table);

// The first line (at most 30 bytes) is "[KWT Setting]", letter case ignored.
bool StartsWithSettingsHeader(std::string_view text);

}  // namespace tolvane
