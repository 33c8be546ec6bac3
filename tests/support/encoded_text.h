// Texts as editors save them, for tests whose literals are code page 932.
#pragma once

#include <string>
#include <string_view>

namespace tolvane::testing {

inline const std::string kUtf8Mark = "\xEF\xBB\xBF";

inline std::string AsUtf8(std::u8string_view text) {
  return std::string(text.begin(), text.end());
}

// With its mark, in either byte order.
inline std::string AsUtf16(std::u16string_view text, bool littleEndian = true) {
  std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(littleEndian ? unit & 0xFF : unit >> 8);
    bytes += static_cast<char>(littleEndian ? unit >> 8 : unit & 0xFF);
  }
  return bytes;
}

}  // namespace tolvane::testing
