#include "check/file_lines.h"

#include <algorithm>

#include "runtime/text_reader.h"

namespace tolvane::check {

namespace {

// The launcher's reader, counting the lines it passes.
class LineWalker {
 public:
  explicit LineWalker(std::string_view text) : text_(text), reader_(text) {}

  bool SkipBlanksToEnd() { return reader_.SkipBlanksToEnd(); }

  FileLine Read() {
    const std::size_t at = reader_.Offset();
    number_ += static_cast<int>(std::count(text_.begin() + static_cast<std::ptrdiff_t>(counted_),
                                           text_.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    counted_ = at;
    return {number_, reader_.ReadLine()};
  }

 private:
  std::string_view text_;
  TextReader reader_;
  std::size_t counted_ = 0;
  int number_ = 1;
};

bool IsTokenCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::vector<MenuRecordLines> MenuRecordLinesOf(std::string_view text) {
  std::vector<MenuRecordLines> records;
  LineWalker walker(text);
  while (!walker.SkipBlanksToEnd()) {
    MenuRecordLines& record = records.emplace_back();
    record.caption = walker.Read();
    record.folder = walker.Read();
    record.target = walker.Read();
  }
  return records;
}

std::vector<FileLine> NameLinesOf(std::string_view text) {
  std::vector<FileLine> names;
  LineWalker walker(text);
  while (!walker.SkipBlanksToEnd())
    names.push_back(walker.Read());
  return names;
}

std::vector<std::array<FileLine, 4>> SoundGroupLinesOf(std::string_view text) {
  std::vector<std::array<FileLine, 4>> groups;
  LineWalker walker(text);
  while (!walker.SkipBlanksToEnd()) {
    std::array<FileLine, 4>& group = groups.emplace_back();
    for (FileLine& line : group)
      line = walker.Read();
  }
  return groups;
}

// "%" is never the trail byte of a double-byte character, nor are the
// ASCII letters and digits between two of them when no lead byte comes first.
std::vector<std::string> PercentTokens(std::string_view value) {
  std::vector<std::string> tokens;
  for (std::size_t start = value.find('%'); start != std::string_view::npos;) {
    std::size_t end = start + 1;
    while (end < value.size() && IsTokenCharacter(value[end]))
      ++end;
    if (end < value.size() && value[end] == '%' && end > start + 1) {
      tokens.emplace_back(value.substr(start, end - start + 1));
      start = value.find('%', end + 1);
    } else {
      start = value.find('%', start + 1);
    }
  }
  return tokens;
}

}  // namespace tolvane::check
