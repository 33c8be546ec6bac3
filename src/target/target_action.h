// target/: what a target names and what running it does, for menu entries and "/o:".
//
// What running a target does, as one value: what selecting a launcher entry
// finds (and the direct-open mode makes of an "/o:" target), which Run, the
// folder button and the direct-open mode act on, and a disc check prints.
#pragma once

#include <string>

#include "target/action_labels.h"
#include "target/target_kind.h"

namespace tolvane {

// Why the Run button is disabled.
enum class RunRefusal {
  None,
  MenuFolderMissing,    // the menu's own folder cannot be entered
  NoFolder,             // the entry's folder is "?"
  FolderMissing,        // the entry's folder cannot be entered
  FileMissing,          // no such file in the entry's folder
  UnknownSystemAction,  // a "?" word other than the three
};

struct TargetAction {
  EntryKind kind = EntryKind::Document;
  // Where a program or document starts: the entry's folder (absolute, or
  // from the menu folder; "?" for none), or the launcher's for "/o:".
  std::string folder;
  // A program or document: its file, from `folder` unless it has a drive (a
  // menu entry's is the target before its first "/", trailing blanks kept;
  // empty: the folder itself), and its parameters.
  std::string file;
  std::string parameters;
  std::string address;     // an address, as written
  unsigned exitFlags = 0;  // a power action's ExitWindowsEx flags
  // The Run button is enabled. An address opens even when it is not, as a
  // double click on it does.
  bool canRun = false;
  RunRefusal refusal = RunRefusal::None;
  ActionLabels labels;
  bool folderButton = false;  // the folder button and its menu item are enabled
  // The pane's notice for a missing folder or file; empty for none.
  std::string notice;
};

}  // namespace tolvane
