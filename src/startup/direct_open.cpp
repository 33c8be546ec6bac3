#include "startup/direct_open.h"

#include "menu/target_kind.h"
#include "startup/placeholders.h"

namespace tolvane {

namespace {
constexpr int kNoAssociation = 31;
}

void ClassifyOpenTarget(std::string_view target, TargetKindState& state) {
  const EntryKind kind = ClassifyTarget(target);
  state.IsSystemAction = IsSystemActionKind(kind);
  // Another "?" word is kind 9 here: it does nothing, without a message.
  state.SystemActionKind = kind == EntryKind::InvalidSystemAction ? 9 : SystemActionKindOf(kind);
  state.SystemActionName.clear();
  state.IsUrlTarget = IsAddressKind(kind);
  state.LogoffRequested = kind == EntryKind::Logoff;
  state.RebootRequested = kind == EntryKind::Restart;
  state.PowerOffRequested = kind == EntryKind::PowerOff;
  state.ForceRequested = false;
}

void OpenDirectTarget(std::string_view target, const StartupFolders& folders,
                      const DirectOpenHooks& hooks, TargetKindState& state, OpenedFile& opened) {
  ClassifyOpenTarget(target, state);
  // "/o:" with nothing after it opens nothing; the command line still asked
  // for the direct-open mode, so the program ends without a window.
  if (target.empty())
    return;

  if (!state.IsSystemAction && !state.IsUrlTarget) {
    FileAndParams split = SplitAtParam(ExpandOpenPlaceholders(target, folders));
    opened.OpenOptionTarget = std::move(split.file);
    opened.OpenOptionParams = std::move(split.params);
    if (hooks.ShellOpen(opened.OpenOptionTarget, opened.OpenOptionParams) == kNoAssociation)
      hooks.OfferNotepad(opened.OpenOptionTarget);
    return;
  }

  if (state.IsSystemAction) {
    state.SystemActionName = SystemActionNameOf(state.SystemActionKind);
    // Any other "?" word does nothing at all.
    if (state.SystemActionName.empty()) {
      state.IsSystemAction = false;
      return;
    }
    hooks.ConfirmSystemAction(state);
    return;
  }

  // An address goes to the shell exactly as written.
  hooks.OpenAddress(target);
}

}  // namespace tolvane
