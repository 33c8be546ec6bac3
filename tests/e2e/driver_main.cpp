// The end-to-end driver: runs the named cases (all without arguments) against
// the tolvane.exe beside it and exits non-zero when one fails.
//
//   tolvane_e2e.exe [--list | CASE...]
#include <windows.h>

#include <exception>
#include <string>

#include "cases.h"
#include "check.h"
#include "text.h"

namespace e2e {
namespace {

std::vector<Case> AllCases() {
  std::vector<Case> all;
  for (auto group : {StartupMessageCases, InstanceCases, MainWindowCases, HintAndExtentCases,
                     SelectionCases, DescriptionCases, RunningCases, AboutCases, CommandLineCases,
                     HardeningCases, HostileDiscCases})
    for (Case& c : group())
      all.push_back(std::move(c));
  return all;
}

bool RunCase(const Case& c) {
  Print("== " + std::string(c.name));
  ResetFailures();
  try {
    c.run();
  } catch (const CaseAborted&) {
  } catch (const std::exception& e) {
    Fail(std::string("error: ") + e.what());
  }
  const bool passed = FailureCount() == 0;
  Print((passed ? "PASS " : "FAIL ") + std::string(c.name));
  return passed;
}

int Main(const std::vector<std::string>& args) {
  const std::vector<Case> cases = AllCases();
  if (args.size() == 1 && args[0] == "--list") {
    for (const Case& c : cases)
      Print(c.name);
    return 0;
  }
  std::vector<const Case*> chosen;
  for (const std::string& name : args) {
    const Case* found = nullptr;
    for (const Case& c : cases)
      if (c.name == name)
        found = &c;
    if (!found) {
      Print("unknown case " + name + " (--list shows them)");
      return 2;
    }
    chosen.push_back(found);
  }
  if (args.empty())
    for (const Case& c : cases)
      chosen.push_back(&c);

  // The session runs with code page 1252 as the ANSI one, so that a reliance
  // on the A functions shows; the log says which it was.
  Print("ANSI code page " + std::to_string(GetACP()));
  int failed = 0;
  for (const Case* c : chosen)
    if (!RunCase(*c))
      ++failed;
  if (chosen.size() > 1)
    Print(std::to_string(chosen.size() - failed) + " of " + std::to_string(chosen.size()) +
          " cases passed");
  return failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace e2e

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i)
    args.push_back(e2e::Utf8(argv[i]));
  return e2e::Main(args);
}
