// A text as lines, the way the controls' line lists take it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// CR LF, a lone CR and a lone LF each end a line; no empty line is counted
// after a final line end.
std::vector<std::string> SplitTextLines(std::string_view text);

// A text file loaded into a line list: as SplitTextLines, and the text ends
// at its first NUL byte.
std::vector<std::string> TextFileLines(std::string_view bytes);

}  // namespace tolvane
