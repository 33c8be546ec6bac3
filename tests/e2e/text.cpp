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

std::string Utf8(std::wstring_view text) {
  if (text.empty())
    return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

std::string Cp932(std::string_view utf8) {
  const std::wstring wide = Wide(utf8);
  if (wide.empty())
    return {};
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(),
                                       static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                      bytes.data(), size, nullptr, &lossy);
  if (lossy || size == 0)
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
