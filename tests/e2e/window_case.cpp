#include "window_case.h"

namespace e2e {

void RunMainWindow(const MainWindowCase& c) {
  FixtureDisc disc(c.files, c.folder);
  Launcher launcher(disc.Program());
  const HWND main = launcher.WaitForMainWindow();
  c.check({disc, launcher, main});
}

}  // namespace e2e
