#include "runtime/text_lines.h"

namespace tolvane {

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
      lines.push_back(std::move(line));
      line.clear();
      open = false;
      continue;
    }
    line += c;
    open = true;
  }
  if (open)
    lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> TextFileLines(std::string_view bytes) {
  return SplitTextLines(bytes.substr(0, bytes.find('\0')));
}

}  // namespace tolvane
