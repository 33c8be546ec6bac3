#include "runtime/cp932_text.h"

#include <algorithm>

namespace tolvane {

std::string ShortString(std::string_view text) {
  return std::string(text.substr(0, kShortStringMax));
}

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

namespace {
// The width in bytes of the character that starts at `i`: a lead byte with a
// byte after it starts a double-byte character.
std::size_t CharWidth(std::string_view text, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// The single-byte character at `i` is `c` (a trail byte never is).
bool IsSingle(std::string_view text, std::size_t i, char c) {
  return CharWidth(text, i) == 1 && text[i] == c;
}
}  // namespace

bool IsCharStart(std::string_view text, std::size_t index) {
  std::size_t i = 0;
  while (i < index)
    i += CharWidth(text, i);
  return i == index;
}

bool EndsWithBackslash(std::string_view text) {
  return !text.empty() && text.back() == '\\' && IsCharStart(text, text.size() - 1);
}

std::string RemoveTrailingBackslash(std::string_view text) {
  if (EndsWithBackslash(text))
    text.remove_suffix(1);
  return std::string(text);
}

std::string AddTrailingBackslash(std::string_view text) {
  std::string result(text);
  if (!EndsWithBackslash(text))
    result += '\\';
  return result;
}

std::string FolderToEnter(std::string_view folder) {
  if (folder.size() == 2 && folder[1] == ':' && !IsLeadByte(static_cast<unsigned char>(folder[0])))
    return std::string(folder) + '\\';
  return std::string(folder);
}

std::size_t LastPathDelimiter(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); i += CharWidth(path, i)) {
    if (IsSingle(path, i, '\\') || IsSingle(path, i, ':'))
      last = i;
  }
  return last;
}

std::string FolderPart(std::string_view path) {
  std::size_t end = LastPathDelimiter(path);
  if (end == std::string_view::npos)
    return {};
  // Keep a root backslash: "C:\x" gives "C:\", "\\x" keeps both.
  const bool rootBackslash = path[end] == '\\' && end > 0 &&
                             (path[end - 1] == ':' || path[end - 1] == '\\') &&
                             IsCharStart(path, end - 1);
  if (path[end] == ':' || rootBackslash)
    ++end;
  return std::string(path.substr(0, end));
}

std::string FileNamePart(std::string_view path) {
  const std::size_t last = LastPathDelimiter(path);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

bool HasDrivePart(std::string_view path) {
  return (path.size() >= 2 && path[1] == ':') ||
         (path.size() >= 2 && path[0] == '\\' && path[1] == '\\');
}

std::string DrivePart(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':')
    return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    // Server and share: up to the backslash after the share name.
    int separators = 0;
    std::size_t i = 2;
    for (; i < path.size(); i += CharWidth(path, i)) {
      if (IsSingle(path, i, '\\') && ++separators == 2)
        break;
    }
    return std::string(path.substr(0, i));
  }
  return {};
}

std::string ExtensionPart(std::string_view path) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); i += CharWidth(path, i)) {
    if (IsSingle(path, i, '.'))
      dot = i;
    if (IsSingle(path, i, '\\') || IsSingle(path, i, ':'))
      dot = std::string_view::npos;
  }
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

bool NamesDevice(std::string_view path) {
  std::string name = FileNamePart(path);
  // Windows reads "CON.txt" and "nul  " as the device too.
  name = name.substr(0, std::min(name.find('.'), name.size()));
  while (!name.empty() && name.back() == ' ')
    name.pop_back();
  for (std::string_view device : {"CON", "PRN", "AUX", "NUL"})
    if (EqualsIgnoreCase(name, device))
      return true;
  return name.size() == 4 &&
         (StartsWithIgnoreCase(name, "COM") || StartsWithIgnoreCase(name, "LPT")) &&
         name[3] >= '1' && name[3] <= '9';
}

char FoldCase(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Compares character by character so that a trail byte is never folded.
bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); i += CharWidth(a, i)) {
    if (CharWidth(a, i) == 2 ? a.substr(i, 2) != b.substr(i, 2) : FoldCase(a[i]) != FoldCase(b[i]))
      return false;
  }
  return true;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::size_t FindIgnoreCase(std::string_view text, std::string_view token, std::size_t from) {
  if (token.empty())
    return std::string_view::npos;
  // The walk starts at `from`, not at the first byte: a search repeated
  // behind each match stays linear in the text's length.
  for (std::size_t i = from; i < text.size(); i += CharWidth(text, i)) {
    if (EqualsIgnoreCase(text.substr(i, std::min(token.size(), text.size() - i)), token))
      return i;
  }
  return std::string_view::npos;
}

}  // namespace tolvane
