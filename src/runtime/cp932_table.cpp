#include "runtime/cp932_table.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "runtime/cp932_text.h"

namespace tolvane {

namespace {

#include "runtime/cp932_rows.inc"

constexpr unsigned kTrailsPerLead = 188;  // 0x40 to 0xFC without 0x7F
constexpr char16_t kNoCharacter = 0xFFFF;
// The user-defined rows: their codes stand for the private-use characters
// from U+E000 on, in order.
constexpr unsigned kFirstUserLead = 0xF0;
constexpr unsigned kLastUserLead = 0xF9;
constexpr char32_t kFirstUserCharacter = 0xE000;
constexpr unsigned kUserCodes = (kLastUserLead - kFirstUserLead + 1) * kTrailsPerLead;

unsigned LeadIndex(unsigned lead) {
  return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}

unsigned LeadAt(unsigned index) {
  return index < 31 ? 0x81 + index : 0xE0 + index - 31;
}

unsigned TrailIndex(unsigned trail) {
  return trail < 0x7F ? trail - 0x40 : trail - 0x41;
}

unsigned TrailAt(unsigned index) {
  return index < 0x3F ? 0x40 + index : 0x41 + index;
}

std::u16string_view Row(unsigned index) {
  return std::u16string_view(kCp932Characters + kCp932RowStarts[index],
                             kCp932RowStarts[index + 1] - kCp932RowStarts[index]);
}

}  // namespace

Cp932Table::Cp932Table() {
  for (unsigned row = 0; row + 1 < std::size(kCp932RowStarts); ++row) {
    const std::u16string_view characters = Row(row);
    for (unsigned t = 0; t < characters.size(); ++t) {
      if (characters[t] != kNoCharacter)
        byCharacter_.emplace_back(characters[t], LeadAt(row) << 8 | TrailAt(t));
    }
  }
  // Where several codes stand for one character, Windows writes the lowest,
  // except that it writes IBM's extensions (rows 0xFA to 0xFC) rather than
  // NEC's selection of them (rows 0xED and 0xEE).
  auto rank = [](const std::pair<char16_t, std::uint16_t>& entry) {
    const unsigned lead = entry.second >> 8;
    return std::pair(entry.first, (lead == 0xED || lead == 0xEE ? 0x10000u : 0u) + entry.second);
  };
  std::sort(byCharacter_.begin(), byCharacter_.end(),
            [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
  byCharacter_.erase(std::unique(byCharacter_.begin(), byCharacter_.end(),
                                 [](const auto& a, const auto& b) { return a.first == b.first; }),
                     byCharacter_.end());
}

std::uint16_t Cp932Table::Encode(char32_t c) const {
  if (c >= 0xFF61 && c <= 0xFF9F)
    return static_cast<std::uint16_t>(c - 0xFF61 + 0xA1);
  if (c >= kFirstUserCharacter && c < kFirstUserCharacter + kUserCodes) {
    const unsigned index = static_cast<unsigned>(c - kFirstUserCharacter);
    return static_cast<std::uint16_t>((kFirstUserLead + index / kTrailsPerLead) << 8 |
                                      TrailAt(index % kTrailsPerLead));
  }
  const auto found = std::lower_bound(byCharacter_.begin(), byCharacter_.end(), c,
                                      [](const std::pair<char16_t, std::uint16_t>& entry,
                                         char32_t key) { return entry.first < key; });
  return found != byCharacter_.end() && found->first == c ? found->second : 0;
}

char32_t Cp932Table::Decode(std::uint16_t code) const {
  if (code >= 0xA1 && code <= 0xDF)
    return code - 0xA1 + 0xFF61;
  const unsigned lead = code >> 8;
  const unsigned trail = code & 0xFF;
  if (!IsLeadByte(static_cast<unsigned char>(lead)) || trail < 0x40 || trail > 0xFC ||
      trail == 0x7F)
    return 0;
  if (lead >= kFirstUserLead && lead <= kLastUserLead)
    return kFirstUserCharacter + (lead - kFirstUserLead) * kTrailsPerLead + TrailIndex(trail);
  const std::u16string_view row = Row(LeadIndex(lead));
  const unsigned t = TrailIndex(trail);
  return t < row.size() && row[t] != kNoCharacter ? row[t] : 0;
}

const Cp932Table& BuiltInCp932() {
  static const Cp932Table table;
  return table;
}

}  // namespace tolvane
