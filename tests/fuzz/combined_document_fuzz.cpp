// The section finder of a combined document against the rule written out a
// second time, plainly: a section runs from the line after a heading "//n"
// to the line before the next line that begins with "//"; a "//" line right
// after a matching heading ends the section and is not read as a heading.
#include <fuzzer/FuzzedDataProvider.h>

#include "autorun1/combined_document.h"
#include "fuzz_check.h"

using namespace tolvane;

namespace {

bool BeginsWithSlashes(const std::string& line) {
  return line.rfind("//", 0) == 0;
}

// "//" and then the entry's number in decimal, leading zeros allowed, and
// anything but a digit after it.
bool IsHeadingOf(const std::string& line, int entry) {
  if (line.size() < 3 || !BeginsWithSlashes(line))
    return false;
  const std::size_t end = line.find_first_not_of("0123456789", 2);
  std::string digits = line.substr(2, end == std::string::npos ? std::string::npos : end - 2);
  if (digits.empty())
    return false;
  digits.erase(0, digits.find_first_not_of('0'));
  return digits == (entry == 0 ? "" : std::to_string(entry));
}

std::vector<std::string> SectionByTheRule(const std::vector<std::string>& lines, int entry) {
  std::vector<std::string> section;
  std::size_t i = 0;
  while (i < lines.size()) {
    if (!IsHeadingOf(lines[i], entry)) {
      ++i;
      continue;
    }
    std::size_t next = i + 1;
    while (next < lines.size() && !BeginsWithSlashes(lines[next]))
      section.push_back(lines[next++]);
    i = next == i + 1 ? next + 1 : next;
  }
  return section;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int entry = input.ConsumeIntegralInRange(0, 120);
  std::vector<std::string> lines;
  while (input.remaining_bytes() > 0)
    lines.push_back(input.ConsumeRandomLengthString(40));
  fuzz::Require(CombinedDocumentSection(lines, entry) == SectionByTheRule(lines, entry),
                "the section finder agrees with the rule");
  return 0;
}
