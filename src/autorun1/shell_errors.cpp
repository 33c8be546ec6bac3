// The one place that words a failed shell call, and the launches every
// caller shares: opening through the shell and the Notepad fallback.
#include "autorun1/form1.h"
#include "platform/platform.h"
#include "runtime/cp932_text.h"

namespace tolvane {

namespace {

struct ShellErrorMessage {
  int code;
  const char* text;
  unsigned style;
};

constexpr unsigned kStop = mb::kOk | mb::kIconHand;
constexpr unsigned kWarning = mb::kOk | mb::kIconExclamation;

constexpr ShellErrorMessage kShellErrorMessages[] = {
    {0, "メモリまたはリソースが不足しています。", kStop},
    {2, "指定されたファイルが見つかりませんでした。存在しないか、削除された可能性があります。",
     kStop},
    {3, "指定したフォルダが見つかりませんでした。存在しないか、削除された可能性があります。",
     kStop},
    {5, "オペレーティングシステムが、指定されたファイルへのアクセスを拒否しました。", kStop},
    {8, "操作を完了するのに十分なメモリがありません。", kStop},
    {11,
     "実行ファイルが無効です。Win32の実行ファイルではないか、実行ファイル内にエラーがあります。",
     kStop},
    {26, "共有違反が発生しました。", kStop},
    {27, "ファイル名の関連付けが不完全または無効です。", kWarning},
    {28, "要求がタイムアウトしたので、DDE トランザクションを完了できませんでした。", kStop},
    {29, "DDE トランザクションが失敗しました。", kWarning},
    {30,
     "ほかの DDE トランザクションが現在処理中なので、DDE "
     "トランザクションを完了できませんでした。",
     kStop},
    {32, "指定されたダイナミックリンクライブラリ（DLL）が見つかりませんでした。", kStop},
};

// The system's own text for an error the shell has no code for; never the
// words of another failure.
std::string SystemErrorMessage(Platform& platform, unsigned error) {
  std::string text = error != 0 ? platform.SystemErrorText(error) : std::string();
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  if (text.empty())
    text = "不明なエラーが発生しました。";
  return text + "（エラー番号 " + std::to_string(error) + "）";
}

}  // namespace

void TForm1::ReportShellError(const ShellResult& result) {
  // Success, a refused elevation (the user's own "No") and 31, which the
  // callers follow up with their own question, are not worded here.
  if (result.code == kShellSystemError) {
    platform().MessageBox(SystemErrorMessage(platform(), result.systemError), "システムエラー",
                          kStop);
    return;
  }
  for (const ShellErrorMessage& m : kShellErrorMessages)
    if (m.code == result.code)
      platform().MessageBox(m.text, "システムエラー", m.style);
}

int TForm1::ShellOpen(std::string_view file, std::string_view parameters,
                      std::string_view directory) {
  const ShellResult result =
      platform().ShellExecute("OPEN", file, parameters, directory, kShowNormal);
  ReportShellError(result);
  return result.code;
}

void TForm1::OpenAddress(std::string_view address, std::string_view directory) {
  // An address whose scheme no program is registered for would otherwise
  // open nothing and say nothing.
  if (ShellOpen(address, "", directory) == kShellNoAssociation)
    platform().MessageBox(
        "指定されたアドレスに関連付けられたアプリケーションがありません。\n" + std::string(address),
        "システムエラー", kStop);
}

void TForm1::OfferNotepad(std::string_view shownName, std::string_view path,
                          std::string_view caption, std::string_view directory) {
  const std::string question =
      "指定されたファイル拡張子に関連付けられたアプリケーションがありません。\n\r" +
      std::string(shownName) + " をメモ帳で開きますか？";
  if (platform().MessageBox(question, caption, mb::kYesNo | mb::kIconHand) != mb::kIdYes)
    return;
  // The system's Notepad by its full path: a "notepad.exe" on the disc or in
  // the current folder is never the one that runs.
  const std::string& windows = !Folders.WindowsDir.empty() ? Folders.WindowsDir : Folders.SystemDir;
  if (windows.empty()) {
    ReportShellError(2);
    return;
  }
  ShellOpen(AddTrailingBackslash(windows) + "notepad.exe", path, directory);
}

}  // namespace tolvane
