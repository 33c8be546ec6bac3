// tolvane-check.exe, beside the driver, on a disc: its JSON report. And the
// sample disc as tools/sample-disc makes it, for the checker's row.
#pragma once

#include <string>
#include <vector>

#include "fixture_disc.h"

namespace e2e {

// Runs tolvane-check.exe on the folder with --json; aborts the case when it
// does not end with one of its statuses (0, 1 or 2).
std::string CheckerJson(const std::wstring& disc);

// examples/disc (the build copies it beside the driver as sample-disc\) with
// its program Tools\hello.exe, here a stand-in.
std::vector<DiscFile> ExamplesDisc();

}  // namespace e2e
