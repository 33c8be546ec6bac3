#include "aboutbox1/version_info.h"

#include "platform/platform.h"
#include "runtime/runtime_error.h"

namespace tolvane {

namespace {
// One translation entry: language and code page, 16 bits each, little-endian.
constexpr std::size_t kTranslationSize = 4;

// Four upper-case hex digits. (No printf: the C library's formatter would
// add some 27 KB to the program for this one line.)
std::string Hex4(std::uint16_t value) {
  std::string digits(4, '0');
  for (int i = 3; i >= 0; --i, value >>= 4)
    digits[i] = "0123456789ABCDEF"[value & 0xF];
  return digits;
}

}  // namespace

std::string VersionQueryPath(std::uint16_t language, std::uint16_t codePage, const char* key) {
  return "\\StringFileInfo\\" + Hex4(language) + Hex4(codePage) + "\\" + key;
}

void GetVersionInfoString(Platform& platform, std::uint8_t KeyIndex, std::string& value) {
  if (KeyIndex >= VersionInfoKeys.size())
    return;
  const std::string info = platform.ReadVersionInfo(platform.ProgramPath());
  if (info.empty())
    return;
  const std::string translation = platform.VersionBinaryValue(info, "\\VarFileInfo\\Translation");
  // A table too short for one entry has no translation to read either.
  if (translation.size() < kTranslationSize)
    throw RuntimeError("情報の取得に失敗しました");
  auto word = [&translation](std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(translation[at]) |
                                      static_cast<unsigned char>(translation[at + 1]) << 8);
  };
  const VersionText text = platform.VersionStringValue(
      info, VersionQueryPath(word(0), word(2), VersionInfoKeys[KeyIndex]));
  if (text.length == 0)
    return;
  // The reported characters count the terminating NUL; the copy stops there.
  value = text.text.substr(0, text.text.find('\0'));
}

}  // namespace tolvane
