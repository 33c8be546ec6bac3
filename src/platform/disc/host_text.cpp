#include "platform/disc/host_text.h"

#include "runtime/cp932_table.h"
#include "runtime/cp932_text.h"
#include "runtime/text_encoding.h"

namespace tolvane {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

}  // namespace

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  const int continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  constexpr unsigned char kLeads[] = {0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLeads[continuations] | (c >> (6 * continuations)));
  for (int k = continuations - 1; k >= 0; --k)
    out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
}

std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
  std::string cp932;
  UnicodeCharacter next;
  for (std::size_t i = 0; NextUnicodeCharacter(utf8, TextEncoding::Utf8, i, next);)
    if (!next.valid || !AppendCp932(next.c, BuiltInCp932(), cp932))
      return std::nullopt;
  return cp932;
}

std::string Utf8FromCp932(std::string_view cp932) {
  const Cp932Table& table = BuiltInCp932();
  std::string utf8;
  for (std::size_t i = 0; i < cp932.size(); ++i) {
    const auto byte = static_cast<unsigned char>(cp932[i]);
    if (byte < 0x80) {
      utf8 += static_cast<char>(byte);
      continue;
    }
    std::uint16_t code = byte;
    const auto trail = i + 1 < cp932.size() ? static_cast<unsigned char>(cp932[i + 1]) : 0u;
    if (IsLeadByte(byte) && trail >= 0x40 && trail <= 0xFC && trail != 0x7F) {
      code = static_cast<std::uint16_t>(byte << 8 | trail);
      ++i;
    }
    const char32_t c = table.Decode(code);
    AppendUtf8(c != 0 ? c : kReplacementCharacter, utf8);
  }
  return utf8;
}

}  // namespace tolvane
