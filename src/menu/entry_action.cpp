#include "menu/entry_action.h"

#include "platform/platform.h"
#include "runtime/cp932_text.h"

namespace tolvane {

std::string EntryFolderOf(const TLauncherEntry& entry, const StartupFolders& folders) {
  if (HasDrivePart(entry.Folder))
    return entry.Folder;
  if (entry.Folder == "?")
    return "?";
  return folders.MenuDirSlash + entry.Folder;
}

std::string EntryFilePath(const TargetAction& action) {
  return action.folder + "\\" + action.file;
}

TargetAction ActionOfEntry(const TLauncherEntry& entry, const StartupFolders& folders,
                           Platform& platform) {
  TargetAction a;
  const std::string& target = entry.Target;
  a.kind = ClassifyTarget(target);
  a.labels = LabelsFor(a.kind, target);
  const bool opensFile = !IsSystemActionKind(a.kind) && !IsAddressKind(a.kind);
  if (IsSystemActionKind(a.kind)) {
    a.exitFlags = ExitWindowsFlags(a.kind);
    a.canRun = a.kind != EntryKind::InvalidSystemAction;
    if (!a.canRun)
      a.refusal = RunRefusal::UnknownSystemAction;
  } else if (IsAddressKind(a.kind)) {
    a.address = target;
    a.canRun = true;
  } else {
    a.file = TargetFileOf(target);
    a.parameters = TargetParamsOf(target);
  }

  // The Run button keeps what the kind gave it when the menu's folder is gone.
  if (!platform.SetCurrentDirectory(FolderToEnter(folders.MenuDir))) {
    a.refusal = RunRefusal::MenuFolderMissing;
    return a;
  }
  a.folder = EntryFolderOf(entry, folders);
  if (a.folder == "?") {
    a.canRun = false;
    a.refusal = RunRefusal::NoFolder;
    a.labels.listHint.clear();
    return a;
  }
  if (!platform.SetCurrentDirectory(FolderToEnter(a.folder))) {
    a.canRun = false;
    a.refusal = RunRefusal::FolderMissing;
    a.labels.listHint = "フォルダがありません";
    a.notice = "指定したフォルダは存在しません";
    return a;
  }
  a.folderButton = opensFile;
  if (!opensFile)
    return a;
  // An empty target opens the folder itself.
  if (target.empty() || platform.FileExists(EntryFilePath(a))) {
    a.canRun = true;
    a.labels.listHint = entry.Caption;
    return a;
  }
  const bool program = a.kind == EntryKind::Program;
  a.refusal = RunRefusal::FileMissing;
  a.labels.listHint = program ? "実行ファイルがありません" : "ファイルがありません";
  a.notice = program ? "指定した実行ファイルは存在しません" : "指定したファイルは存在しません";
  return a;
}

}  // namespace tolvane
