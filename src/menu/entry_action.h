// What selecting a launcher entry finds: its kind, labels and folder, and
// whether its target can run.
#pragma once

#include "menu/launcher_table.h"
#include "startup/startup_folders.h"
#include "target/target_action.h"

namespace tolvane {

class Platform;

// The folder of an entry: "?" for none, else absolute or from the menu folder.
std::string EntryFolderOf(const TLauncherEntry& entry, const StartupFolders& folders);

// What the shell opens for an entry's program or document: the file in the
// entry's folder, as written.
std::string EntryFilePath(const TargetAction& action);

// Enters the menu's folder and then the entry's, as selecting the entry does
// (the entry's folder is current afterwards when it exists), and tells what
// the entry's actions are. The list hint of a program or document is the one
// shown beside its description.
TargetAction ActionOfEntry(const TLauncherEntry& entry, const StartupFolders& folders,
                           Platform& platform);

}  // namespace tolvane
