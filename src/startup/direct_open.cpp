#include "startup/direct_open.h"

#include "platform/platform.h"
#include "startup/placeholders.h"

namespace tolvane {

TargetAction ActionOfOpenTarget(std::string_view target, const StartupFolders& folders) {
  TargetAction a;
  a.kind = ClassifyTarget(target);
  a.labels = LabelsFor(a.kind, target);
  a.canRun = true;
  if (IsSystemActionKind(a.kind)) {
    a.exitFlags = ExitWindowsFlags(a.kind);
    // Any other "?" word does nothing at all, without a message.
    if (a.kind == EntryKind::InvalidSystemAction) {
      a.canRun = false;
      a.refusal = RunRefusal::UnknownSystemAction;
    }
  } else if (IsAddressKind(a.kind)) {
    a.address = std::string(target);
  } else {
    FileAndParams split = SplitAtParam(ExpandOpenPlaceholders(target, folders));
    a.folder = folders.ApplicationDir;
    a.file = std::move(split.file);
    a.parameters = std::move(split.params);
  }
  return a;
}

void OpenDirectTarget(std::string_view target, const StartupFolders& folders,
                      const DirectOpenHooks& hooks) {
  // "/o:" with nothing after it opens nothing; the command line still asked
  // for the direct-open mode, so the program ends without a window.
  if (target.empty())
    return;
  const TargetAction action = ActionOfOpenTarget(target, folders);
  if (!action.canRun)
    return;
  if (IsSystemActionKind(action.kind)) {
    hooks.ConfirmSystemAction(action.kind);
  } else if (IsAddressKind(action.kind)) {
    // An address goes to the shell exactly as written.
    hooks.OpenAddress(action.address);
  } else if (hooks.ShellOpen(action.file, action.parameters) == kShellNoAssociation) {
    hooks.OfferNotepad(action.file);
  }
}

}  // namespace tolvane
