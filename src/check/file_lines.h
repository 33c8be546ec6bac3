// Where the launcher's readers take each value from: the lines of a menu
// file's records, of txt.kwp's names and of sound.kwp's groups, walked with
// the readers' own rules but without their limits, so that what they cut or
// leave out shows.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::check {

struct FileLine {
  int number = 0;    // from 1
  std::string text;  // whole, code page 932
};

struct MenuRecordLines {
  FileLine caption, folder, target;
};

// Every record of a menu file's text, also beyond the 100 the launcher reads.
std::vector<MenuRecordLines> MenuRecordLinesOf(std::string_view text);
// Every name of txt.kwp's text.
std::vector<FileLine> NameLinesOf(std::string_view text);
// Every group of sound.kwp's text: start-up sound, its mode, About sound, its mode.
std::vector<std::array<FileLine, 4>> SoundGroupLinesOf(std::string_view text);

// The text's value tokens that the placeholders left: "%word%".
std::vector<std::string> PercentTokens(std::string_view value);

}  // namespace tolvane::check
