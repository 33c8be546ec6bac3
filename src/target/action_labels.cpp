#include "target/action_labels.h"

#include <iterator>

namespace tolvane {

namespace {

constexpr const char* kFolderHint = "選択したファイルがあるフォルダを表示します。";

// A kind's labels. An address's hint is the address followed by `hint`; the
// menu item repeats the button's caption unless it has one of its own.
struct KindLabels {
  EntryKind kind;
  const char* caption;
  const char* hint;
  const char* menuCaption = nullptr;
  const char* folderHint = kFolderHint;
};

constexpr KindLabels kKindLabels[] = {
    {EntryKind::Restart, "再起動(&U)", "コンピューターを再起動します。"},
    {EntryKind::Logoff, "ログオフ(&L)", "コンピューターをログオフします。"},
    {EntryKind::PowerOff, "ｼｬｯﾄﾀﾞｳﾝ(&S)", "コンピューターをシャットダウンします"},
    {EntryKind::InvalidSystemAction, "指定ｴﾗｰ", "指定ｴﾗｰ Autorun.iniの書式エラーです。"},
    {EntryKind::WebAddress, "URL接続(&O)", " へ接続します。"},
    {EntryKind::FileAddress, "File表示(&O)", " を表示します。"},
    {EntryKind::MailAddress, "ﾒｰﾙ送信(&O)", " へメールを送信します。"},
    {EntryKind::FtpAddress, "FTP接続(&O)", " へ接続します。"},
    {EntryKind::Program, "実行(&R)", "選択したアプリケーションを実行します。",
     "選択したアプリケーションを実行(&R)", "選択したアプリケーションがあるフォルダを表示します。"},
    {EntryKind::Document, "開く(&R)", "選択したファイルを開きます。", "選択したファイルを開く(&O)"},
};

// The rows stand in the order of the kinds: a kind's row is found by its value.
constexpr bool RowsInKindOrder() {
  for (std::size_t i = 0; i < std::size(kKindLabels); ++i)
    if (static_cast<std::size_t>(kKindLabels[i].kind) != i)
      return false;
  return std::size(kKindLabels) == static_cast<std::size_t>(EntryKind::Document) + 1;
}
static_assert(RowsInKindOrder(), "one row per kind, in the order of EntryKind");

}  // namespace

ActionLabels LabelsFor(EntryKind kind, std::string_view target) {
  const KindLabels& k = kKindLabels[static_cast<std::size_t>(kind)];
  ActionLabels labels{
      k.caption, k.hint, k.menuCaption ? k.menuCaption : k.caption, {}, k.folderHint};
  if (IsSystemActionKind(kind)) {
    labels.listHint = k.hint;
  } else if (IsAddressKind(kind)) {
    // A mail address is named without its "mailto:".
    const std::string_view address = kind == EntryKind::MailAddress ? target.substr(7) : target;
    labels.button1Hint.insert(0, address);
    labels.listHint = address;
  }
  return labels;
}

}  // namespace tolvane
