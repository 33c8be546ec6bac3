// The command line split into parameters as the runtime splits it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// Blanks and control characters separate parameters; a stretch in double
// quotes may hold blanks and joins its neighbours; the quotes are dropped; an
// empty pair of quotes between parameters is skipped. Element 0 is the
// program name.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);
// The same for a command line as Windows gives it, before its conversion.
std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine);

}  // namespace tolvane
