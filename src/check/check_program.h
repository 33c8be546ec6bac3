// tolvane-check's command line: DISC_FOLDER [-- LAUNCHER_PARAMETERS...] [--json].
#pragma once

#include <string>
#include <vector>

namespace tolvane::check {

// `args` are the arguments after the program's name, UTF-8. Prints the
// report and returns the exit status: 0 clean, 1 with warnings, 2 with
// errors (a command line or folder the check cannot take counts as one).
int RunCheckProgram(const std::vector<std::string>& args);

}  // namespace tolvane::check
