// Code page 932 text helpers. Every search and every delimiter test walks the
// lead bytes, since a trail byte may be 0x5C ("\") or an ASCII letter.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::size_t kShortStringMax = 255;

// The first 255 bytes: what a short string keeps (a double-byte character may
// be split at the cut).
std::string ShortString(std::string_view text);

bool IsLeadByte(unsigned char byte);

// True when the byte at `index` begins a character of its own (it is not the
// trail byte of a double-byte character). A lead byte as the last byte of the
// text stands alone.
bool IsCharStart(std::string_view text, std::size_t index);

// The text ends in a backslash that is a character of its own.
bool EndsWithBackslash(std::string_view text);
std::string RemoveTrailingBackslash(std::string_view text);
std::string AddTrailingBackslash(std::string_view text);
// A folder to make current or to start a program in: a drive alone ("Q:")
// would name whatever folder is current on that drive, so it gets its root's
// backslash ("Q:\"); any other folder is kept as it is.
std::string FolderToEnter(std::string_view folder);

// Index of the last "\" or ":" that stands as a character, or npos.
std::size_t LastPathDelimiter(std::string_view path);

// The text before the last delimiter; a backslash right after a colon or a
// backslash (the root of a drive) stays part of the folder.
std::string FolderPart(std::string_view path);
// The text after the last "\" or ":".
std::string FileNamePart(std::string_view path);
// "C:" for a drive path, "\\server\share" for a network path, else empty.
std::string DrivePart(std::string_view path);
// Its second character is ":" or it begins with two backslashes.
bool HasDrivePart(std::string_view path);
// From the last "." after the last delimiter to the end, "." included.
std::string ExtensionPart(std::string_view path);

// The path's last name is a device of Windows (CON, PRN, AUX, NUL, COM1 to
// COM9, LPT1 to LPT9), with any extension or trailing blanks and dots: in
// any folder, Windows opens the device instead of a file of that name.
bool NamesDevice(std::string_view path);

// Letter case is folded for single-byte A to Z only.
char FoldCase(char c);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
// First match at or after `from` that begins on a character of its own.
// `from` must itself begin a character: 0, or the end of an earlier match of
// a single-byte token.
std::size_t FindIgnoreCase(std::string_view text, std::string_view token, std::size_t from = 0);

}  // namespace tolvane
