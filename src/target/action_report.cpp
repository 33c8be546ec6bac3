#include "target/action_report.h"

namespace tolvane {

std::string_view KindName(EntryKind kind) {
  switch (kind) {
    case EntryKind::Restart:
      return "restart";
    case EntryKind::Logoff:
      return "log off";
    case EntryKind::PowerOff:
      return "power off";
    case EntryKind::InvalidSystemAction:
      return "unknown system action";
    case EntryKind::WebAddress:
      return "web address";
    case EntryKind::FileAddress:
      return "file address";
    case EntryKind::MailAddress:
      return "mail address";
    case EntryKind::FtpAddress:
      return "FTP address";
    case EntryKind::Program:
      return "program";
    case EntryKind::Document:
      return "document";
  }
  return {};
}

std::string_view RefusalName(RunRefusal refusal) {
  switch (refusal) {
    case RunRefusal::None:
      return "none";
    case RunRefusal::MenuFolderMissing:
      return "the menu's folder cannot be entered";
    case RunRefusal::NoFolder:
      return "the entry has no folder";
    case RunRefusal::FolderMissing:
      return "the entry's folder does not exist";
    case RunRefusal::FileMissing:
      return "the file does not exist";
    case RunRefusal::UnknownSystemAction:
      return "unknown system action";
  }
  return {};
}

std::vector<std::pair<std::string, std::string>> ActionFields(const TargetAction& action) {
  std::vector<std::pair<std::string, std::string>> fields;
  auto add = [&](const char* name, std::string_view value) {
    fields.emplace_back(name, std::string(value));
  };
  add("kind", KindName(action.kind));
  add("folder", action.folder);
  if (IsAddressKind(action.kind)) {
    add("address", action.address);
  } else if (IsSystemActionKind(action.kind)) {
    add("exit flags", std::to_string(action.exitFlags));
  } else {
    add("file", action.file);
    add("parameters", action.parameters);
  }
  add("run", action.canRun ? "enabled" : "disabled");
  if (action.refusal != RunRefusal::None)
    add("why not", RefusalName(action.refusal));
  add("run caption", action.labels.button1Caption);
  add("run hint", action.labels.button1Hint);
  add("menu caption", action.labels.n2Caption);
  add("list hint", action.labels.listHint);
  add("folder button", action.folderButton ? "enabled" : "disabled");
  add("folder hint", action.labels.button4Hint);
  if (!action.notice.empty())
    add("notice", action.notice);
  return fields;
}

}  // namespace tolvane
