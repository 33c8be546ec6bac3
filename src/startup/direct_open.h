// The direct-open mode: an "/o:" target opened with the launcher's rules for
// placeholders and parameters, without any window.
#pragma once

#include <string>
#include <string_view>

#include "menu/selection_state.h"
#include "runtime/callback.h"
#include "startup/startup_folders.h"

namespace tolvane {

// What the direct-open mode shares with running an entry from the window.
struct DirectOpenHooks {
  // Opens through the shell ("OPEN", started in the launcher's folder,
  // shown), words a failure, and gives the shell's result.
  Callback<int(std::string_view file, std::string_view parameters)> ShellOpen;
  // Asks whether to open `file` in Notepad (no application is associated
  // with it), and opens it there on Yes.
  Callback<void(const std::string& file)> OfferNotepad;
  // Asks whether to carry out the named power action, and does it on Yes.
  Callback<void(const TargetKindState& request)> ConfirmSystemAction;
  // Opens an address as written, and reports one nothing is registered for.
  Callback<void(std::string_view address)> OpenAddress;
};

// Resets the target-kind state and tells a "?" action (kind 9 for any word
// but the three) and an address by its prefix, letter case ignored.
void ClassifyOpenTarget(std::string_view target, TargetKindState& state);

// The file and parameters a program or document target was opened with.
struct OpenedFile {
  std::string OpenOptionTarget;
  std::string OpenOptionParams;
};

// Handles one "/o:" target: opens it, asks what it must ask, and reports
// failures. `opened` receives the expanded file and parameters of a program
// or document. Every target, even one that does nothing, ends the program
// after the scan.
void OpenDirectTarget(std::string_view target, const StartupFolders& folders,
                      const DirectOpenHooks& hooks, TargetKindState& state, OpenedFile& opened);

}  // namespace tolvane
