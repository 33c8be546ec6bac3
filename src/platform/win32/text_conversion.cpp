#include "platform/win32/text_conversion.h"

#include <climits>

#include "platform/win32/win32.h"
#include "runtime/runtime_error.h"
#include "runtime/text_encoding.h"

namespace tolvane::win32 {

namespace {

constexpr UINT kShiftJis = 932;

// `flags` and `usedDefault` as WideCharToMultiByte takes them.
std::string Convert(std::wstring_view utf16, DWORD flags, BOOL* usedDefault) {
  if (utf16.empty() || utf16.size() > INT_MAX)
    return {};
  const int size = static_cast<int>(utf16.size());
  const int length =
      WideCharToMultiByte(kShiftJis, flags, utf16.data(), size, nullptr, 0, nullptr, usedDefault);
  if (length <= 0)
    return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, flags, utf16.data(), size, bytes.data(), length, nullptr,
                      usedDefault);
  return bytes;
}

// "?" where code page 932 has no character: the text of a message about it.
std::string Shown(std::wstring_view utf16) {
  return Convert(utf16, WC_NO_BEST_FIT_CHARS, nullptr);
}

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

bool IsAbsolute(std::wstring_view path) {
  return (path.size() >= 2 && path[1] == L':') || (!path.empty() && IsSeparator(path[0]));
}

// The short name of the last folder or file of `path`, which must exist.
std::optional<std::wstring> ShortNameOf(const std::wstring& path) {
  const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (length == 0)
    return std::nullopt;
  std::wstring shortPath(length, L'\0');
  const DWORD written = GetShortPathNameW(path.c_str(), shortPath.data(), length);
  if (written == 0 || written >= length)
    return std::nullopt;
  shortPath.resize(written);
  while (!shortPath.empty() && IsSeparator(shortPath.back()))
    shortPath.pop_back();
  const std::size_t slash = shortPath.find_last_of(L"\\/");
  return slash == std::wstring::npos ? shortPath : shortPath.substr(slash + 1);
}

template <UINT kCodePage>
std::wstring WidenFrom(std::string_view text) {
  if (text.empty() || text.size() > INT_MAX)
    return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(kCodePage, 0, text.data(), size, nullptr, 0);
  if (length <= 0)
    return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

class WindowsCp932Codec final : public Cp932Codec {
 public:
  std::uint16_t Encode(char32_t c) const override {
    if (c > 0xFFFF)
      return 0;
    // Windows is asked once a character (a long text repeats few of them):
    // 0 is not asked yet, else the code plus one. Kept for the process.
    if (known_ == nullptr)
      known_ = new std::uint16_t[0x10000]();
    std::uint16_t& entry = known_[c];
    if (entry == 0) {
      const wchar_t wide = static_cast<wchar_t>(c);
      const std::optional<std::string> bytes = NarrowExactly(std::wstring_view(&wide, 1));
      unsigned code = 0;
      if (bytes && bytes->size() <= 2) {
        for (const char byte : *bytes)
          code = code << 8 | static_cast<unsigned char>(byte);
      }
      entry = static_cast<std::uint16_t>(code + 1);
    }
    return static_cast<std::uint16_t>(entry - 1);
  }

 private:
  mutable std::uint16_t* known_ = nullptr;
};

WindowsCp932Codec windowsCp932;

}  // namespace

std::wstring Widen(std::string_view cp932) {
  return WidenFrom<kShiftJis>(cp932);
}

std::wstring WidenUtf8(std::string_view utf8) {
  return WidenFrom<CP_UTF8>(utf8);
}

const Cp932Codec& WindowsCp932() {
  return windowsCp932;
}

std::string Narrow(std::wstring_view utf16) {
  return Convert(utf16, 0, nullptr);
}

std::optional<std::string> NarrowExactly(std::wstring_view utf16) {
  BOOL usedDefault = FALSE;
  std::string bytes = Convert(utf16, WC_NO_BEST_FIT_CHARS, &usedDefault);
  // The way back proves it: a system that maps a character to a near one
  // despite the flag does not give the same text again.
  if (usedDefault || Widen(bytes) != utf16)
    return std::nullopt;
  return bytes;
}

std::optional<std::string> NarrowPathOrNothing(std::wstring_view path, std::wstring_view base) {
  if (auto exact = NarrowExactly(path))
    return exact;
  std::wstring lookupRoot;
  if (!IsAbsolute(path) && !base.empty()) {
    lookupRoot = base;
    if (!IsSeparator(lookupRoot.back()))
      lookupRoot += L'\\';
  }
  // Name by name, so that only the names code page 932 cannot hold change.
  std::string result;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = start;
    while (end < path.size() && !IsSeparator(path[end]))
      ++end;
    const std::wstring_view name = path.substr(start, end - start);
    std::optional<std::string> narrow = NarrowExactly(name);
    if (!narrow && !name.empty()) {
      const std::optional<std::wstring> shortName =
          ShortNameOf(lookupRoot + std::wstring(path.substr(0, end)));
      if (shortName)
        narrow = NarrowExactly(*shortName);
      if (!narrow)
        return std::nullopt;
    }
    result += narrow.value_or(std::string());
    if (end < path.size())
      result += static_cast<char>(path[end]);
    start = end + 1;
  }
  return result;
}

std::string NarrowPath(std::wstring_view path) {
  if (auto narrow = NarrowPathOrNothing(path))
    return *std::move(narrow);
  throw RuntimeError(UnwritablePathMessage(Shown(path)));
}

std::string NarrowParameter(std::wstring_view parameter, std::wstring_view base) {
  if (auto exact = NarrowExactly(parameter))
    return *std::move(exact);
  // "/i:", "/d:", "/o:": the option stays, its value may be a path.
  const bool option = parameter.size() >= 3 && parameter[0] == L'/' && parameter[2] == L':' &&
                      std::wstring_view(L"iodIOD").find(parameter[1]) != std::wstring_view::npos;
  // Any other parameter has no effect: "?" for what it cannot hold is harmless
  // there, and never a path separator.
  if (!option)
    return Shown(parameter);
  if (auto value = NarrowPathOrNothing(parameter.substr(3), base))
    return Narrow(parameter.substr(0, 3)) + *value;
  throw RuntimeError(UnwritableParameterMessage(Shown(parameter)));
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
