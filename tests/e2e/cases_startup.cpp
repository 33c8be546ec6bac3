// Messages about the menu file at start-up, and what follows once the user
// has answered them.
#include "cases.h"
#include "check.h"
#include "fixture_disc.h"
#include "launcher.h"
#include "message_box.h"
#include "sample_disc.h"
#include "text.h"

namespace e2e {

namespace {

enum class AfterAnswer { ProcessEnds, MainWindowShows };

struct StartupMessageCase {
  std::string_view name;
  std::vector<DiscFile> files;
  ExpectedBox box;
  AfterAnswer after;
  std::wstring_view parameters = {};
};

void RunStartupMessage(const StartupMessageCase& c) {
  FixtureDisc disc(c.files);
  Launcher launcher(disc.Program(), c.parameters);
  const HWND box = launcher.WaitForMessageBox();
  ExpectMessageBox(box, c.box);
  ExpectTrue("the main window hidden while the message shows", !launcher.MainWindowSeen());
  if (!AnswerMessageBox(box, IDOK))
    Abort("the message box has no OK button");
  switch (c.after) {
    case AfterAnswer::ProcessEnds:
      launcher.ExpectExit(0);
      ExpectTrue("the main window never shown", !launcher.MainWindowSeen());
      break;
    case AfterAnswer::MainWindowShows:
      launcher.WaitForMainWindow();
      break;
  }
}

}  // namespace

std::vector<Case> StartupMessageCases() {
  static const StartupMessageCase kCases[] = {
      {.name = "no_menu_file",
       .files = {},
       .box = {"\"Autorun.KWP\" がありません", "Tolvane", BoxIcon::Exclamation},
       .after = AfterAnswer::ProcessEnds},
      {.name = "only_settings_ini",
       .files = {{"AutoRun.INI", "[KWT Setting]\r\nSound=off\r\n"}},
       .box = {"\"Autorun.KWP\"がありません", "Tolvane", BoxIcon::Exclamation},
       .after = AfterAnswer::ProcessEnds},
      {.name = "ini_rename_advice",
       .files = {{"AutoRun.INI", Cp932("はじめにお読みください\r\n.\r\nreadme.txt\r\n")},
                 {"readme.txt", Cp932("説明\r\n")}},
       .box = {"次回より \"Autorun.INI\" のファイル名を、\"Autorun.KWP\" に変更してください。\n\r"
               "（詳しくは \"Readme.txt\" を参照してください。）",
               "Tolvane", BoxIcon::Asterisk},
       .after = AfterAnswer::MainWindowShows},
      // Read with a near character ("a"), it would open another address.
      {.name = "parameter_code_page_932_cannot_hold",
       .files = SampleDisc(),
       .box = {"コマンドライン \"/o:http://www.ex?mple.jp/\" には Shift-JIS で表せない文字が"
               "含まれているため使用できません.",
               "Tolvane", BoxIcon::Hand},
       .after = AfterAnswer::ProcessEnds,
       .parameters = L"/o:http://www.ex\u00E4mple.jp/"},
  };
  return CasesOf(kCases, RunStartupMessage);
}

}  // namespace e2e
