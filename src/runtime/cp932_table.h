// Code page 932 as Windows defines it, from a table of its own: for the
// builds that have no Windows to ask (the unit tests, tools). The program
// itself asks Windows, whose table is the one it reads its text back with.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "runtime/text_encoding.h"

namespace tolvane {

class Cp932Table final : public Cp932Codec {
 public:
  Cp932Table();
  std::uint16_t Encode(char32_t c) const override;
  // The character a code beyond ASCII stands for; 0 where it stands for none.
  char32_t Decode(std::uint16_t code) const;

 private:
  // (character, code), by character.
  std::vector<std::pair<char16_t, std::uint16_t>> byCharacter_;
};

// The one table, made at its first use.
const Cp932Table& BuiltInCp932();

}  // namespace tolvane
