#include "target/target_kind.h"

#include "platform/platform.h"
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

std::string SystemActionNameOf(EntryKind kind) {
  switch (kind) {
    case EntryKind::Logoff:
      return "ログオフ";
    case EntryKind::Restart:
      return "再起動";
    case EntryKind::PowerOff:
      return "ｼｬｯﾄﾀﾞｳﾝ";
    default:
      return {};
  }
}

unsigned ExitWindowsFlags(EntryKind kind) {
  switch (kind) {
    case EntryKind::Logoff:
      return ewx::kLogoff;
    case EntryKind::Restart:
      return ewx::kReboot;
    case EntryKind::PowerOff:
      return ewx::kShutdown | ewx::kPowerOff;
    default:
      return 0;
  }
}

std::string TargetFileOf(std::string_view target) {
  return std::string(target.substr(0, target.find('/')));
}

std::string TargetParamsOf(std::string_view target) {
  const std::size_t slash = target.find('/');
  return slash == std::string_view::npos ? std::string() : std::string(target.substr(slash + 1));
}

bool IsProgramFile(std::string_view targetFile) {
  std::string extension = ExtensionPart(targetFile).substr(0, 5);
  if (extension.size() == 5 && extension[4] == ' ')
    extension.pop_back();
  return EqualsIgnoreCase(extension, ".exe");
}

}  // namespace tolvane
