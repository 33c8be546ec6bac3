#include "menu/target_kind.h"

#include "runtime/cp932_text.h"

namespace tolvane {

namespace {

struct AddressPrefix {
  std::string_view prefix;
  EntryKind kind;
};

constexpr AddressPrefix kAddressPrefixes[] = {
    {"http://", EntryKind::WebAddress},  {"https://", EntryKind::WebAddress},
    {"file://", EntryKind::FileAddress}, {"mailto:", EntryKind::MailAddress},
    {"ftp://", EntryKind::FtpAddress},
};

}  // namespace

EntryKind ClassifyTarget(std::string_view target) {
  if (!target.empty() && target[0] == '?') {
    if (EqualsIgnoreCase(target, "?reboot"))
      return EntryKind::Restart;
    if (EqualsIgnoreCase(target, "?logoff"))
      return EntryKind::Logoff;
    if (EqualsIgnoreCase(target, "?poweroff"))
      return EntryKind::PowerOff;
    return EntryKind::InvalidSystemAction;
  }
  for (const AddressPrefix& a : kAddressPrefixes)
    if (StartsWithIgnoreCase(target, a.prefix))
      return a.kind;
  return IsProgramFile(TargetFileOf(target)) ? EntryKind::Program : EntryKind::Document;
}

bool IsSystemActionKind(EntryKind kind) {
  return kind == EntryKind::Restart || kind == EntryKind::Logoff || kind == EntryKind::PowerOff ||
         kind == EntryKind::InvalidSystemAction;
}

bool IsAddressKind(EntryKind kind) {
  return kind == EntryKind::WebAddress || kind == EntryKind::FileAddress ||
         kind == EntryKind::MailAddress || kind == EntryKind::FtpAddress;
}

int SystemActionKindOf(EntryKind kind) {
  switch (kind) {
    case EntryKind::Logoff:
      return 1;
    case EntryKind::Restart:
      return 2;
    case EntryKind::PowerOff:
      return 3;
    default:
      return 0;
  }
}

std::string SystemActionNameOf(int kind) {
  switch (kind) {
    case 1:
      return "ログオフ";
    case 2:
      return "再起動";
    case 3:
      return "ｼｬｯﾄﾀﾞｳﾝ";
    default:
      return {};
  }
}

std::string TargetFileOf(std::string_view target) {
  return std::string(target.substr(0, target.find('/')));
}

bool IsProgramFile(std::string_view targetFile) {
  std::string extension = ExtensionPart(targetFile).substr(0, 5);
  if (extension.size() == 5 && extension[4] == ' ')
    extension.pop_back();
  return EqualsIgnoreCase(extension, ".exe");
}

}  // namespace tolvane
