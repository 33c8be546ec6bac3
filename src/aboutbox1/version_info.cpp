#include "aboutbox1/version_info.h"

#include <cstdio>

#include "platform/platform.h"
#include "runtime/runtime_error.h"

namespace tolvane {

namespace {
// One translation entry: language and code page, 16 bits each, little-endian.
constexpr std::size_t kTranslationSize = 4;
}  // namespace

std::string VersionQueryPath(std::uint16_t language, std::uint16_t codePage, const char* key) {
  char ids[16];
  std::snprintf(ids, sizeof ids, "%04X%04X", static_cast<unsigned>(language),
                static_cast<unsigned>(codePage));
  return std::string("\\StringFileInfo\\") + ids + "\\" + key;
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
