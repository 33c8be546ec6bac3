// Text files as today's editors save them: code page 932, UTF-8 with or
// without a byte-order mark, or UTF-16 with one. This is the one place that
// decides which a file is and turns its text into the program's code page
// 932; everything after it reads cp932 as before.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

class Platform;

enum class TextEncoding { Cp932, Utf8, Utf8WithMark, Utf16Le, Utf16Be };

// Code page 932, one character at a time. A code is one byte (0xA1 to 0xDF,
// half-width katakana) or a lead and a trail byte as lead * 256 + trail.
class Cp932Codec {
 public:
  // The code of a character beyond ASCII; 0 where code page 932 has no
  // character that is exactly this one (never a near one instead).
  virtual std::uint16_t Encode(char32_t c) const = 0;

 protected:
  ~Cp932Codec() = default;
};

// What a converted text holds in place of each character code page 932
// cannot hold (and of each byte sequence its encoding does not allow).
enum class StandIn : char {
  Shown = '?',  // a text that is only shown
  Name = '|',   // names of files: "|" is in no file name, so it names nothing
  // A text whose parts are shown or names, for its reader to decide: no
  // character converts to this byte, a lead, trail or single byte of none.
  Marked = '\xFF',
};

// A text file as the program reads it.
struct DecodedText {
  TextEncoding encoding = TextEncoding::Cp932;
  // A cp932 file's bytes as they are; for any other file its text as cp932,
  // without the mark, with a stand-in where cp932 has no character.
  std::string text;
  // Any other file's text as UTF-8, without the mark; empty for cp932.
  std::string unicode;
};

// A mark decides: UTF-8's, or UTF-16's in either byte order. Without one, a
// text that is strict UTF-8 and holds a character beyond ASCII is UTF-8;
// anything else is code page 932.
TextEncoding DetectTextEncoding(std::string_view bytes);

DecodedText DecodeText(std::string bytes, const Cp932Codec& cp932, StandIn standIn);

// Reads and decodes a text file; `error` is the system's error code, 0 when
// the file was read.
DecodedText ReadTextFile(Platform& platform, std::string_view path, StandIn standIn, int& error);

// A character of a UTF-8 or UTF-16 file and its byte offset. A byte sequence
// the encoding does not allow reads as U+FFFD, not valid.
struct UnicodeCharacter {
  char32_t c = 0;
  bool valid = false;
  std::size_t at = 0;
};

// Reads the character of a UTF-8 or UTF-16 file at `i` (0 is the start, the
// mark is skipped) and moves `i` past it; false at the end. An odd last byte
// of UTF-16 is no character.
bool NextUnicodeCharacter(std::string_view bytes, TextEncoding encoding, std::size_t& i,
                          UnicodeCharacter& next);

// Appends code page 932's bytes for `c`; false where it has none.
bool AppendCp932(char32_t c, const Cp932Codec& cp932, std::string& out);

}  // namespace tolvane
