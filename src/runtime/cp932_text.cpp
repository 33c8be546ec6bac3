#include "runtime/cp932_text.h"

#include <algorithm>

namespace tolvane {

std::string ShortString(std::string_view text) {
  return std::string(text.substr(0, kShortStringMax));
}

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsCharStart(std::string_view text, std::size_t index) {
  std::size_t i = 0;
  while (i < index) {
    i += (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
  }
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

std::size_t LastPathDelimiter(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size();) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (IsLeadByte(byte) && i + 1 < path.size()) {
      i += 2;
      continue;
    }
    if (byte == '\\' || byte == ':')
      last = i;
    ++i;
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
    while (i < path.size()) {
      const auto byte = static_cast<unsigned char>(path[i]);
      if (IsLeadByte(byte) && i + 1 < path.size()) {
        i += 2;
        continue;
      }
      if (byte == '\\' && ++separators == 2)
        break;
      ++i;
    }
    return std::string(path.substr(0, i));
  }
  return {};
}

std::string ExtensionPart(std::string_view path) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < path.size();) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (IsLeadByte(byte) && i + 1 < path.size()) {
      i += 2;
      continue;
    }
    if (byte == '.')
      dot = i;
    if (byte == '\\' || byte == ':')
      dot = std::string_view::npos;
    ++i;
  }
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

char FoldCase(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

namespace {
// Compares character by character so that a trail byte is never folded.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto byte = static_cast<unsigned char>(a[i]);
    if (IsLeadByte(byte) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1])
        return false;
      ++i;
      continue;
    }
    if (FoldCase(a[i]) != FoldCase(b[i]))
      return false;
  }
  return true;
}
}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return SameIgnoringCase(a, b);
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::size_t FindIgnoreCase(std::string_view text, std::string_view token, std::size_t from) {
  if (token.empty())
    return std::string_view::npos;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t width = (IsLeadByte(byte) && i + 1 < text.size()) ? 2 : 1;
    if (i >= from &&
        SameIgnoringCase(text.substr(i, std::min(token.size(), text.size() - i)), token))
      return i;
    i += width;
  }
  return std::string_view::npos;
}

}  // namespace tolvane
