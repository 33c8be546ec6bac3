// The direct-open mode: an "/o:" target opened with the launcher's rules for
// placeholders and parameters, without any window.
#pragma once

#include <string>
#include <string_view>

#include "runtime/callback.h"
#include "startup/startup_folders.h"
#include "target/target_action.h"

namespace tolvane {

// What the direct-open mode shares with running an entry from the window.
struct DirectOpenHooks {
  // Opens through the shell ("OPEN", started in the launcher's folder,
  // shown), words a failure, and gives the shell's result.
  Callback<int(std::string_view file, std::string_view parameters)> ShellOpen;
  // Asks whether to open `file` in Notepad (no application is associated
  // with it), and opens it there on Yes.
  Callback<void(const std::string& file)> OfferNotepad;
  // Asks whether to carry out a power action, and does it on Yes.
  Callback<void(EntryKind kind)> ConfirmSystemAction;
  // Opens an address as written, and reports one nothing is registered for.
  Callback<void(std::string_view address)> OpenAddress;
};

// What an "/o:" target does: a power action (any other "?" word cannot run),
// an address as written, or a program or document with the direct-open
// placeholders expanded and its parameters after "%param%", started in the
// launcher's folder.
TargetAction ActionOfOpenTarget(std::string_view target, const StartupFolders& folders);

// Handles one "/o:" target: opens it, asks what it must ask, and reports
// failures. Every target, even one that does nothing, ends the program after
// the scan.
void OpenDirectTarget(std::string_view target, const StartupFolders& folders,
                      const DirectOpenHooks& hooks);

}  // namespace tolvane
