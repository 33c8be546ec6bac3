#include "runtime/command_line.h"

#include <type_traits>

namespace tolvane {

namespace {

template <typename Char>
bool IsSeparator(Char c) {
  return static_cast<std::make_unsigned_t<Char>>(c) <= ' ';
}

// The same rules for the program's cp932 bytes and for Windows' UTF-16: no
// cp932 trail byte and no UTF-16 unit of another character is a blank, a
// control character or a double quote, so both split a line alike.
template <typename Char>
std::vector<std::basic_string<Char>> SplitWords(std::basic_string_view<Char> line) {
  using Text = std::basic_string<Char>;
  constexpr Char kQuote = Char('"');
  std::vector<Text> words;
  std::size_t i = 0;
  while (true) {
    while (true) {
      while (i < line.size() && IsSeparator(line[i]))
        ++i;
      if (i + 1 < line.size() && line[i] == kQuote && line[i + 1] == kQuote) {
        i += 2;
        continue;
      }
      break;
    }
    if (i >= line.size())
      break;
    Text word;
    while (i < line.size() && !IsSeparator(line[i])) {
      if (line[i] == kQuote) {
        ++i;
        while (i < line.size() && line[i] != kQuote)
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

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  return SplitWords(line);
}

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  return SplitWords(line);
}

}  // namespace tolvane
