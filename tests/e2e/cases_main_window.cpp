// The main window as a disc's menu first shows it.
#include "cases.h"
#include "check.h"
#include "launcher.h"
#include "list_box.h"
#include "platform/win32/control_ids.h"
#include "sample_disc.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

namespace ids = tolvane::ids;

struct MainWindowCase {
  std::string_view name;
  std::function<void(HWND mainWindow)> check;
};

HWND RequireControl(HWND mainWindow, int id, std::string_view name) {
  const HWND control = FindControl(mainWindow, id);
  if (!control)
    Abort("expected the control " + std::string(name) + ", got none");
  return control;
}

void CheckBasics(HWND mainWindow) {
  ExpectText("main window caption", "Tolvane", WindowText(mainWindow));
  const HWND list = RequireControl(mainWindow, ids::kListBox1, "ListBox1");
  ExpectLines("list lines", kSampleCaptions, ListItems(list));
  ExpectEqual("selected line", 0, ListSelection(list));
  ExpectTrue("Button1", FindControl(mainWindow, ids::kButton1) != nullptr);
  ExpectTrue("Button4", FindControl(mainWindow, ids::kButton4) != nullptr);
}

void RunMainWindow(const MainWindowCase& c) {
  FixtureDisc disc(SampleDisc());
  Launcher launcher(disc.Program());
  c.check(launcher.WaitForMainWindow());
}

}  // namespace

std::vector<Case> MainWindowCases() {
  static const MainWindowCase kCases[] = {
      {.name = "main_window_basics", .check = CheckBasics},
  };
  return CasesOf(kCases, RunMainWindow);
}

}  // namespace e2e
