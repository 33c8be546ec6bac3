#include "platform/win32/text_conversion.h"

#include <climits>

#include "platform/win32/win32.h"

namespace tolvane::win32 {

namespace {
constexpr UINT kShiftJis = 932;
}  // namespace

std::wstring Widen(std::string_view cp932) {
  if (cp932.empty() || cp932.size() > INT_MAX)
    return {};
  const int size = static_cast<int>(cp932.size());
  const int length = MultiByteToWideChar(kShiftJis, 0, cp932.data(), size, nullptr, 0);
  if (length <= 0)
    return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, 0, cp932.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty() || utf16.size() > INT_MAX)
    return {};
  const int size = static_cast<int>(utf16.size());
  const int length =
      WideCharToMultiByte(kShiftJis, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0)
    return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, 0, utf16.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::wstring WithCrLf(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == L'\r' && (i + 1 >= text.size() || text[i + 1] != L'\n'))
      out += L'\n';
  }
  return out;
}

}  // namespace tolvane::win32
