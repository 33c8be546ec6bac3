#include "runtime/text_report.h"

#include "runtime/cp932_table.h"
#include "runtime/cp932_text.h"

namespace tolvane {

TextReport ExamineText(std::string_view bytes) {
  const Cp932Table& cp932 = BuiltInCp932();
  TextReport report;
  report.encoding = DetectTextEncoding(bytes);
  if (report.encoding == TextEncoding::Cp932) {
    // Single bytes of text, or double bytes that stand for a character.
    for (std::size_t i = 0; i < bytes.size() && !report.invalid;) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      const auto next = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
      if (byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF))
        i += 1;
      else if (IsLeadByte(byte) && cp932.Decode(static_cast<std::uint16_t>(byte << 8 | next)) != 0)
        i += 2;
      else
        report.invalid = true;
    }
    return report;
  }
  const bool utf16 =
      report.encoding == TextEncoding::Utf16Le || report.encoding == TextEncoding::Utf16Be;
  report.invalid = utf16 && bytes.size() % 2 != 0;
  std::string scratch;
  UnicodeCharacter next;
  for (std::size_t i = 0; NextUnicodeCharacter(bytes, report.encoding, i, next);) {
    scratch.clear();
    if (!next.valid) {
      report.invalid = true;
    } else if (!AppendCp932(next.c, cp932, scratch) && report.unmappable++ == 0) {
      report.firstUnmappable = next.c;
      report.firstUnmappableAt = next.at;
    }
  }
  return report;
}

}  // namespace tolvane
