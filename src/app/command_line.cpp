#include "app/command_line.h"

namespace tolvane {

namespace {
bool IsSeparator(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (true) {
    while (true) {
      while (i < line.size() && IsSeparator(line[i]))
        ++i;
      if (i + 1 < line.size() && line[i] == '"' && line[i + 1] == '"') {
        i += 2;
        continue;
      }
      break;
    }
    if (i >= line.size())
      break;
    std::string word;
    while (i < line.size() && !IsSeparator(line[i])) {
      if (line[i] == '"') {
        ++i;
        while (i < line.size() && line[i] != '"')
          word += line[i++];
        if (i < line.size())
          ++i;
      } else {
        word += line[i++];
      }
    }
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace tolvane
