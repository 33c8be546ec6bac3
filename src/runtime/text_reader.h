// Line-by-line reading of the program's text files (menu file, side files).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane {

// Reads a whole file's bytes as text: a line ends at LF or CR LF, a lone CR is
// dropped from the line, and a byte 0x1A ends the file.
class TextReader {
 public:
  static constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

  // The reader keeps a view of the bytes: they must outlive it.
  explicit TextReader(std::string_view bytes);
  explicit TextReader(std::string&&) = delete;

  // Skips bytes 0 to 32; true when that reaches the end of the file.
  bool SkipBlanksToEnd();
  bool AtEnd() const { return pos_ >= end_; }
  // The offset of the next byte to be read.
  std::size_t Offset() const { return pos_; }
  // Reads the rest of the current line and moves to the next one. The line
  // keeps its first `limit` bytes; the rest of it is skipped.
  std::string ReadLine(std::size_t limit = kNoLimit);

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

}  // namespace tolvane
