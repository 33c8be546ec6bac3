#include "autorun1/combined_document.h"

namespace tolvane {

namespace {

bool StartsWithSlashes(const std::string& line, std::size_t minimumLength) {
  return line.size() >= minimumLength && line[0] == '/' && line[1] == '/';
}

// The digits right after "//" name the entry; no digits, or a number too long
// to be an entry's, name none.
bool HeadingNames(const std::string& line, int entry) {
  if (!StartsWithSlashes(line, 3))
    return false;
  long long number = 0;
  std::size_t i = 2;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    number = number * 10 + (line[i] - '0');
    if (number > 1000000000)
      return false;
  }
  return i > 2 && number == entry;
}

}  // namespace

std::vector<std::string> CombinedDocumentSection(const std::vector<std::string>& lines, int entry) {
  std::vector<std::string> section;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (HeadingNames(lines[i], entry)) {
      inSection = true;
      if (++i >= lines.size())
        break;
    }
    // A heading right after a matching heading ends the section unexamined.
    if (StartsWithSlashes(lines[i], 2))
      inSection = false;
    if (inSection)
      section.push_back(lines[i]);
  }
  return section;
}

}  // namespace tolvane
