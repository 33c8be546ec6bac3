#include "text.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace e2e {

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty())
    return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

namespace {
// `lossy` must be null for UTF-8, which has a form for every character.
std::string Narrow(std::wstring_view text, UINT codePage, DWORD flags, BOOL* lossy) {
  if (text.empty())
    return {};
  const int size = WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, lossy);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()), bytes.data(),
                      size, nullptr, lossy);
  return bytes;
}
}  // namespace

std::string Utf8(std::wstring_view text) {
  return Narrow(text, CP_UTF8, 0, nullptr);
}

std::string Cp932(std::string_view utf8) {
  BOOL lossy = FALSE;
  const std::string bytes = Narrow(Wide(utf8), 932, WC_NO_BEST_FIT_CHARS, &lossy);
  if (lossy || (bytes.empty() && !utf8.empty()))
    throw std::invalid_argument("no code page 932 form for \"" + std::string(utf8) + "\"");
  return bytes;
}

std::string Quoted(std::wstring_view text) {
  std::wstring out = L"\"";
  for (wchar_t c : text) {
    switch (c) {
      case L'\n':
        out += L"\\n";
        break;
      case L'\r':
        out += L"\\r";
        break;
      case L'\t':
        out += L"\\t";
        break;
      case L'"':
        out += L"\\\"";
        break;
      case L'\\':
        out += L"\\\\";
        break;
      default:
        if (c < 0x20) {
          wchar_t escape[8];
          swprintf(escape, 8, L"\\x%02x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  out += L'"';
  return Utf8(out);
}

void Print(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace e2e
