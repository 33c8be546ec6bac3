// Text at the Win32 boundary: the program's cp932 bytes to and from UTF-16,
// always through code page 932 itself, never the system's ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {
class Cp932Codec;
}

namespace tolvane::win32 {

std::wstring Widen(std::string_view cp932);
std::wstring WidenUtf8(std::string_view utf8);

// Code page 932 as this Windows defines it: the table Widen reads with, so
// that what the program converts to cp932 reads back as the same text.
const Cp932Codec& WindowsCp932();

// For text that is only shown or read as text: a character code page 932
// lacks becomes a near one or a default character. Never for a path.
std::string Narrow(std::wstring_view utf16);

// The cp932 bytes that stand for exactly this text; nothing when code page
// 932 cannot hold one of its characters. No best fit: "¥" does not become
// "\" nor "ü" "u".
std::optional<std::string> NarrowExactly(std::wstring_view utf16);

// A path from Windows as cp932: as written where code page 932 holds it,
// else with the short (8.3) name of each folder or file whose name it cannot
// hold. A relative path is looked up from `base`. Nothing when such a name
// has no short name of its own, or the short name is no better.
std::optional<std::string> NarrowPathOrNothing(std::wstring_view path, std::wstring_view base = {});

// NarrowPathOrNothing, raising a RuntimeError that names the path where it
// gives nothing.
std::string NarrowPath(std::wstring_view path);

// A command-line parameter as cp932: as written, else the value of an option
// "/i:", "/o:" or "/d:" taken as a path by its short names (relative paths
// looked up from `base`); an option that neither way can be written raises a
// RuntimeError: it is never silently changed. Any other parameter, which has
// no effect, keeps "?" for what code page 932 cannot hold.
std::string NarrowParameter(std::wstring_view parameter, std::wstring_view base);

// Paragraph ends as the rich-text control reports them (CR) become CR LF;
// CR LF and LF stay as they are.
std::wstring WithCrLf(std::wstring_view text);

}  // namespace tolvane::win32
