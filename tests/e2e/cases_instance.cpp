// A second launcher started while one runs: it ends silently unless its
// command line asks for another menu or the direct-open mode.
#include "cases.h"
#include "check.h"
#include "launcher.h"
#include "sample_disc.h"

namespace e2e {

namespace {

struct InstanceCase {
  std::string_view name;
  std::wstring_view secondParameters;
  bool secondRuns;
};

void RunSecondInstance(const InstanceCase& c) {
  FixtureDisc disc(SampleDisc());
  Launcher first(disc.Program());
  const HWND firstWindow = first.WaitForMainWindow();

  Launcher second(disc.Program(), c.secondParameters);
  if (c.secondRuns) {
    second.WaitForAnyWindow();
    ExpectTrue("the second launcher still running while its window shows", second.Running());
  } else {
    second.ExpectExit(0);
    ExpectTrue("no window from the second launcher", !second.AnyWindowSeen());
  }
  ExpectTrue("the first launcher still running", first.Running());
  ExpectTrue("the first launcher's main window still visible",
             IsWindow(firstWindow) && IsWindowVisible(firstWindow));
}

}  // namespace

std::vector<Case> InstanceCases() {
  static const InstanceCase kCases[] = {
      {.name = "second_instance_silent", .secondParameters = L"", .secondRuns = false},
      {.name = "second_instance_with_option", .secondParameters = L"/I:x", .secondRuns = true},
      // A parameter that is no option has no effect, whatever its characters.
      {.name = "second_instance_plain_parameter_outside_cp932",
       .secondParameters = L"Gr\u00FC\u00DFe",
       .secondRuns = false},
  };
  return CasesOf(kCases, RunSecondInstance);
}

}  // namespace e2e
