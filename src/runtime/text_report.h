// What a disc checker asks about a text file: how the program reads it and
// what of it the program cannot show or use as it stands.
#pragma once

#include <cstddef>
#include <string_view>

#include "runtime/text_encoding.h"

namespace tolvane {

struct TextReport {
  TextEncoding encoding = TextEncoding::Cp932;
  // Some bytes are no text of that encoding: for a file without a mark, it is
  // then neither UTF-8 nor code page 932.
  bool invalid = false;
  // The characters code page 932 cannot hold; the first of them, and its
  // byte offset in the file.
  std::size_t unmappable = 0;
  char32_t firstUnmappable = 0;
  std::size_t firstUnmappableAt = 0;
};

// Code page 932 is the built-in table's, which is Windows' own.
TextReport ExamineText(std::string_view bytes);

}  // namespace tolvane
