// The driver's cases. Each group keeps its cases in a table whose rows start
// with `.name = "..."`; the build registers every such name as a CTest test,
// so a new case is a new row.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace e2e {

struct Case {
  std::string_view name;
  std::function<void()> run;
};

std::vector<Case> StartupMessageCases();
std::vector<Case> InstanceCases();
std::vector<Case> MainWindowCases();
std::vector<Case> HintAndExtentCases();
std::vector<Case> SelectionCases();
std::vector<Case> DescriptionCases();
std::vector<Case> RunningCases();
std::vector<Case> AboutCases();
std::vector<Case> CommandLineCases();
std::vector<Case> HardeningCases();
std::vector<Case> HostileDiscCases();

// Turns a table of rows with a `name` into cases that run each row with `run`.
template <typename Row, std::size_t N, typename Run>
std::vector<Case> CasesOf(const Row (&rows)[N], Run run) {
  std::vector<Case> cases;
  for (const Row& row : rows)
    cases.push_back({row.name, [&row, run] { run(row); }});
  return cases;
}

}  // namespace e2e
