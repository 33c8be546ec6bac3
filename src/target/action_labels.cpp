#include "target/action_labels.h"

namespace tolvane {

namespace {
constexpr const char* kFolderHint = "選択したファイルがあるフォルダを表示します。";
}

ActionLabels LabelsFor(EntryKind kind, std::string_view target) {
  const std::string t(target);
  switch (kind) {
    case EntryKind::Restart:
      return {"再起動(&U)", "コンピューターを再起動します。", "再起動(&U)",
              "コンピューターを再起動します。", kFolderHint};
    case EntryKind::Logoff:
      return {"ログオフ(&L)", "コンピューターをログオフします。", "ログオフ(&L)",
              "コンピューターをログオフします。", kFolderHint};
    case EntryKind::PowerOff:
      return {"ｼｬｯﾄﾀﾞｳﾝ(&S)", "コンピューターをシャットダウンします", "ｼｬｯﾄﾀﾞｳﾝ(&S)",
              "コンピューターをシャットダウンします", kFolderHint};
    case EntryKind::InvalidSystemAction:
      return {"指定ｴﾗｰ", "指定ｴﾗｰ Autorun.iniの書式エラーです。", "指定ｴﾗｰ",
              "指定ｴﾗｰ Autorun.iniの書式エラーです。", kFolderHint};
    case EntryKind::WebAddress:
      return {"URL接続(&O)", t + " へ接続します。", "URL接続(&O)", t, kFolderHint};
    case EntryKind::FileAddress:
      return {"File表示(&O)", t + " を表示します。", "File表示(&O)", t, kFolderHint};
    case EntryKind::MailAddress: {
      const std::string address = t.substr(7);
      return {"ﾒｰﾙ送信(&O)", address + " へメールを送信します。", "ﾒｰﾙ送信(&O)", address,
              kFolderHint};
    }
    case EntryKind::FtpAddress:
      return {"FTP接続(&O)", t + " へ接続します。", "FTP接続(&O)", t, kFolderHint};
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
