#include "autorun1/entry_kind.h"

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

std::string TargetFileOf(std::string_view target) {
  return std::string(target.substr(0, target.find('/')));
}

bool IsProgramFile(std::string_view targetFile) {
  std::string extension = ExtensionPart(targetFile).substr(0, 5);
  if (extension.size() == 5 && extension[4] == ' ')
    extension.pop_back();
  return EqualsIgnoreCase(extension, ".exe");
}

ActionLabels LabelsFor(EntryKind kind, std::string_view target) {
  const std::string t(target);
  switch (kind) {
    case EntryKind::Restart:
      return {"再起動(&U)",
              "コンピューターを再起動します。",
              "再起動(&U)",
              "コンピューターを再起動します。",
              {}};
    case EntryKind::Logoff:
      return {"ログオフ(&L)",
              "コンピューターをログオフします。",
              "ログオフ(&L)",
              "コンピューターをログオフします。",
              {}};
    case EntryKind::PowerOff:
      return {"ｼｬｯﾄﾀﾞｳﾝ(&S)",
              "コンピューターをシャットダウンします",
              "ｼｬｯﾄﾀﾞｳﾝ(&S)",
              "コンピューターをシャットダウンします",
              {}};
    case EntryKind::InvalidSystemAction:
      return {"指定ｴﾗｰ",
              "指定ｴﾗｰ Autorun.iniの書式エラーです。",
              "指定ｴﾗｰ",
              "指定ｴﾗｰ Autorun.iniの書式エラーです。",
              {}};
    case EntryKind::WebAddress:
      return {"URL接続(&O)", t + " へ接続します。", "URL接続(&O)", t, {}};
    case EntryKind::FileAddress:
      return {"File表示(&O)", t + " を表示します。", "File表示(&O)", t, {}};
    case EntryKind::MailAddress: {
      const std::string address = t.substr(7);
      return {"ﾒｰﾙ送信(&O)", address + " へメールを送信します。", "ﾒｰﾙ送信(&O)", address, {}};
    }
    case EntryKind::FtpAddress:
      return {"FTP接続(&O)", t + " へ接続します。", "FTP接続(&O)", t, {}};
    case EntryKind::Program:
      return {"実行(&R)",
              "選択したアプリケーションを実行します。",
              "選択したアプリケーションを実行(&R)",
              {},
              "選択したアプリケーションがあるフォルダを表示します。"};
    case EntryKind::Document:
      return {"開く(&R)",
              "選択したファイルを開きます。",
              "選択したファイルを開く(&O)",
              {},
              "選択したファイルがあるフォルダを表示します。"};
  }
  return {};
}

}  // namespace tolvane
