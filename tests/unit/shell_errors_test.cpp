#include <gtest/gtest.h>

#include <map>

#include "platform/platform.h"
#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;
using testing::ShownMessage;

struct Worded {
  std::string text;
  unsigned style;
};

TEST(ReportShellError, EveryCode) {
  const std::map<int, Worded> worded = {
      {0, {"メモリまたはリソースが不足しています。", 0x10}},
      {2,
       {"指定されたファイルが見つかりませんでした。存在しないか、削除された可能性があります。",
        0x10}},
      {3,
       {"指定したフォルダが見つかりませんでした。存在しないか、削除された可能性があります。",
        0x10}},
      {5, {"オペレーティングシステムが、指定されたファイルへのアクセスを拒否しました。", 0x10}},
      {8, {"操作を完了するのに十分なメモリがありません。", 0x10}},
      {11,
       {"実行ファイルが無効です。Win32の実行ファイルではないか、実行ファイル内にエラーがあります。",
        0x10}},
      {26, {"共有違反が発生しました。", 0x10}},
      {27, {"ファイル名の関連付けが不完全または無効です。", 0x30}},
      {28, {"要求がタイムアウトしたので、DDE トランザクションを完了できませんでした。", 0x10}},
      {29, {"DDE トランザクションが失敗しました。", 0x30}},
      {30,
       {"ほかの DDE トランザクションが現在処理中なので、DDE "
        "トランザクションを完了できませんでした。",
        0x10}},
      {32, {"指定されたダイナミックリンクライブラリ（DLL）が見つかりませんでした。", 0x10}},
  };
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "a\r\n\r\nreadme.txt\r\n");
  ASSERT_TRUE(l.Start());
  for (int code = kShellCancelled; code <= 40; ++code) {
    SCOPED_TRACE("code " + std::to_string(code));
    l.platform.messages.clear();
    l.form->ReportShellError(code);
    const auto it = worded.find(code);
    if (it == worded.end()) {
      EXPECT_TRUE(l.platform.messages.empty());
      continue;
    }
    const std::vector<ShownMessage> expected = {
        {it->second.text, "システムエラー", it->second.style}};
    EXPECT_EQ(l.platform.messages, expected);
  }
  l.platform.messages.clear();
  l.form->ReportShellError(42);
  EXPECT_TRUE(l.platform.messages.empty());
  // A failure the shell has no code for is the system's, never "out of memory".
  l.platform.errorTexts[1155] = "関連付けがありません。\r\n";
  l.form->ReportShellError({kShellSystemError, 1155});
  l.form->ReportShellError({kShellSystemError, 4321});
  EXPECT_EQ(l.platform.messages,
            (std::vector<ShownMessage>{
                {"関連付けがありません。（エラー番号 1155）", "システムエラー", 0x10},
                {"不明なエラーが発生しました。（エラー番号 4321）", "システムエラー", 0x10}}));
}

TEST(OfferNotepad, YesOpensThePathInTheSystemsNotepadAndNoNothing) {
  const std::string question =
      "指定されたファイル拡張子に関連付けられたアプリケーションがありません。\n\r"
      "readme.abc をメモ帳で開きますか？";
  struct Case {
    int answer;
    std::string windowsDir, notepad;  // notepad empty: none is started
  } const cases[] = {
      {mb::kIdYes, "C:\\WINDOWS", "C:\\WINDOWS\\notepad.exe"},
      {mb::kIdYes, "", "C:\\WINDOWS\\system32\\notepad.exe"},
      {mb::kIdNo, "C:\\WINDOWS", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer == mb::kIdYes ? "Yes " + c.windowsDir : "No");
    LauncherFixture l;
    l.platform.windowsDirectory = c.windowsDir;
    l.DiscFile("AutoRun.KWP", "a\r\n\r\nreadme.txt\r\n");
    // A Notepad of the disc's own is never the one that runs.
    l.DiscFile("notepad.exe", "MZ");
    ASSERT_TRUE(l.Start());
    l.platform.messageBoxAnswers = {c.answer};
    l.platform.shellResults = {2};  // Notepad itself missing: worded like any shell failure
    l.form->OfferNotepad("readme.abc", "Q:\\disc\\Docs\\readme.abc", "題", "Q:\\disc\\Docs");
    ASSERT_FALSE(l.platform.messages.empty());
    EXPECT_EQ(l.platform.messages[0], (ShownMessage{question, "題", 0x14}));
    if (c.notepad.empty()) {
      EXPECT_TRUE(l.platform.shellCalls.empty());
      EXPECT_EQ(l.platform.messages.size(), 1u);
      continue;
    }
    const std::vector<testing::ShellCall> expected = {
        {"OPEN", c.notepad, "Q:\\disc\\Docs\\readme.abc", "Q:\\disc\\Docs", 5}};
    EXPECT_EQ(l.platform.shellCalls, expected);
    ASSERT_EQ(l.platform.messages.size(), 2u);
    EXPECT_EQ(l.platform.messages[1].caption, "システムエラー");
  }
}

}  // namespace
}  // namespace tolvane
