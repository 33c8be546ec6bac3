#include "runtime/text_reader.h"

namespace tolvane {

TextReader::TextReader(std::string_view bytes) : bytes_(bytes) {
  const std::size_t eof = bytes.find('\x1A');
  end_ = eof == std::string_view::npos ? bytes.size() : eof;
}

bool TextReader::SkipBlanksToEnd() {
  while (pos_ < end_ && static_cast<unsigned char>(bytes_[pos_]) <= 32)
    ++pos_;
  return AtEnd();
}

std::string TextReader::ReadLine(std::size_t limit) {
  std::string line;
  while (pos_ < end_) {
    const char byte = bytes_[pos_++];
    if (byte == '\n')
      break;
    if (byte == '\r') {
      if (pos_ < end_ && bytes_[pos_] == '\n') {
        ++pos_;
        break;
      }
      continue;  // a lone CR is dropped
    }
    if (line.size() < limit)
      line += byte;
  }
  return line;
}

}  // namespace tolvane
