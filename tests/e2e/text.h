// Text conversions of the driver. Expected texts are written in the sources
// as UTF-8 and compared as UTF-16; fixture files are code page 932 bytes.
// Nothing here depends on the ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace e2e {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view text);

// The code page 932 bytes of a UTF-8 text; a character without a cp932 form
// is a mistake in the test and aborts the case.
std::string Cp932(std::string_view utf8);

// A text quoted for a failure message, control characters escaped ("\n",
// "\r", "\x01"), so that a stray line break shows.
std::string Quoted(std::wstring_view text);

// Writes one line of UTF-8 to standard output.
void Print(std::string_view line);

}  // namespace e2e
