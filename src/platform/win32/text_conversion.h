// Text at the Win32 boundary: the program's cp932 bytes to and from UTF-16,
// always through code page 932 itself, never the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace tolvane::win32 {

std::wstring Widen(std::string_view cp932);
std::string Narrow(std::wstring_view utf16);

// Paragraph ends as the rich-text control reports them (CR) become CR LF;
// CR LF and LF stay as they are.
std::wstring WithCrLf(std::wstring_view text);

}  // namespace tolvane::win32
