#include "runtime/text_encoding.h"

#include <algorithm>

#include "platform/platform.h"
#include "runtime/cp932_text.h"

namespace tolvane {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char32_t kReplacementCharacter = 0xFFFD;

unsigned char ByteAt(std::string_view bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]);
}

bool IsContinuationByte(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the strict UTF-8 sequence that begins at `i`, with its
// character in `c`; 0 where none begins there (an overlong form, a
// surrogate, beyond U+10FFFF, cut short or no lead byte).
std::size_t Utf8At(std::string_view bytes, std::size_t i, char32_t& c) {
  const unsigned char lead = ByteAt(bytes, i);
  std::size_t length = 1;
  char32_t least = 0;
  if (lead < 0x80) {
    c = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() - i < length)
    return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if (!IsContinuationByte(ByteAt(bytes, i + k)))
      return 0;
    c = (c << 6) | (ByteAt(bytes, i + k) & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
    return 0;
  return length;
}

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  constexpr unsigned char kLeads[] = {0, 0xC0, 0xE0, 0xF0};
  const int continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  out += static_cast<char>(kLeads[continuations] | (c >> (6 * continuations)));
  for (int k = continuations - 1; k >= 0; --k)
    out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
}

bool IsTrailByte(unsigned byte) {
  return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

bool IsStrictUtf8BeyondAscii(std::string_view bytes) {
  bool beyondAscii = false;
  UnicodeCharacter next;
  for (std::size_t i = 0; NextUnicodeCharacter(bytes, TextEncoding::Utf8, i, next);) {
    if (!next.valid)
      return false;
    beyondAscii = beyondAscii || next.c >= 0x80;
  }
  return beyondAscii;
}

}  // namespace

// A code outside the single bytes of text and the double bytes would be no
// character: 0x80, 0xA0 and 0xFD to 0xFF among them, the stand-in's byte.
bool AppendCp932(char32_t c, const Cp932Codec& cp932, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return true;
  }
  // Code page 932 has nothing beyond the Basic Multilingual Plane.
  const std::uint16_t code = c <= 0xFFFF ? cp932.Encode(c) : 0;
  if (code >= 0xA1 && code <= 0xDF) {
    out += static_cast<char>(code);
    return true;
  }
  if (IsLeadByte(static_cast<unsigned char>(code >> 8)) && IsTrailByte(code & 0xFF)) {
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
    return true;
  }
  return false;
}

bool NextUnicodeCharacter(std::string_view bytes, TextEncoding encoding, std::size_t& i,
                          UnicodeCharacter& next) {
  const bool utf8 = encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8WithMark;
  if (i == 0 && encoding != TextEncoding::Utf8)
    i = utf8 ? kUtf8Mark.size() : kUtf16LeMark.size();
  next = {kReplacementCharacter, false, i};
  if (utf8) {
    if (i >= bytes.size())
      return false;
    char32_t c = 0;
    if (const std::size_t length = Utf8At(bytes, i, c)) {
      next = {c, true, i};
      i += length;
      return true;
    }
    // The broken sequence: its lead and the continuation bytes it holds.
    const std::size_t end = std::min(bytes.size(), i + 4);
    for (++i; i < end && IsContinuationByte(ByteAt(bytes, i));)
      ++i;
    return true;
  }
  const std::size_t low = encoding == TextEncoding::Utf16Le ? 0 : 1;  // the low byte's place
  auto unit = [&](std::size_t k) -> char32_t {
    return ByteAt(bytes, k + 1 - low) << 8 | ByteAt(bytes, k + low);
  };
  if (bytes.size() < 2 || i > bytes.size() - 2)
    return false;
  const char32_t first = unit(i);
  i += 2;
  if (first < 0xD800 || first > 0xDFFF) {
    next = {first, true, i - 2};
  } else if (first <= 0xDBFF && i + 1 < bytes.size() && unit(i) >= 0xDC00 && unit(i) <= 0xDFFF) {
    next = {0x10000 + ((first - 0xD800) << 10) + (unit(i) - 0xDC00), true, i - 2};
    i += 2;
  }
  return true;
}

TextEncoding DetectTextEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark))
    return TextEncoding::Utf8WithMark;
  if (bytes.starts_with(kUtf16LeMark))
    return TextEncoding::Utf16Le;
  if (bytes.starts_with(kUtf16BeMark))
    return TextEncoding::Utf16Be;
  return IsStrictUtf8BeyondAscii(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

DecodedText DecodeText(std::string bytes, const Cp932Codec& cp932, StandIn standIn) {
  DecodedText decoded;
  decoded.encoding = DetectTextEncoding(bytes);
  if (decoded.encoding == TextEncoding::Cp932) {
    decoded.text = std::move(bytes);
    return decoded;
  }
  decoded.text.reserve(bytes.size());
  decoded.unicode.reserve(bytes.size());
  UnicodeCharacter next;
  for (std::size_t i = 0; NextUnicodeCharacter(bytes, decoded.encoding, i, next);) {
    AppendUtf8(next.c, decoded.unicode);
    if (!next.valid || !AppendCp932(next.c, cp932, decoded.text))
      decoded.text += static_cast<char>(standIn);
  }
  return decoded;
}

DecodedText ReadTextFile(Platform& platform, std::string_view path, StandIn standIn, int& error) {
  FileContent file = platform.ReadFile(path);
  error = file.error;
  return DecodeText(std::move(file.bytes), platform.Cp932(), standIn);
}

}  // namespace tolvane
