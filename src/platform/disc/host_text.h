// Texts between this computer's file names and reports (UTF-8) and the
// launcher's code page 932.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// None where the text holds a character code page 932 cannot, or is no UTF-8.
std::optional<std::string> Cp932FromUtf8(std::string_view utf8);

void AppendUtf8(char32_t c, std::string& utf8);

// A byte that begins no character of code page 932 reads as U+FFFD.
std::string Utf8FromCp932(std::string_view cp932);

}  // namespace tolvane
