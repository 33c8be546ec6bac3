// Reading a named string of the program's own version resource.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tolvane {

class Platform;

inline constexpr std::array<const char*, 12> VersionInfoKeys = {
    "Comments",     "CompanyName",    "FileDescription", "FileVersion",
    "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
    "PrivateBuild", "ProductName",    "ProductVersion",  "SpecialBuild",
};

inline constexpr std::uint8_t kFileVersionKey = 3;
inline constexpr std::uint8_t kLegalCopyrightKey = 5;

// "\StringFileInfo\041103A4\FileVersion" for language 0x0411, code page 932
// and the key "FileVersion".
std::string VersionQueryPath(std::uint16_t language, std::uint16_t codePage, const char* key);

// Sets `value` to the string `KeyIndex` of the program's version resource,
// under its first translation. A program without a version resource, or a
// string missing from it, leaves `value` as it was. A resource without a
// translation table raises a RuntimeError "情報の取得に失敗しました".
void GetVersionInfoString(Platform& platform, std::uint8_t KeyIndex, std::string& value);

}  // namespace tolvane
