// A disc written for one case into a fresh temporary folder: the given files
// and a copy of tolvane.exe, which reads its menu beside itself. The folder
// is removed when the disc goes out of scope.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct DiscFile {
  std::string name;   // UTF-8, relative to the disc's root; "\" separates folders
  std::string bytes;  // the content, byte for byte (code page 932 for texts)
};

class FixtureDisc {
 public:
  // `folderUtf8`, when given, is the name of the disc's folder inside the
  // temporary one: a name code page 932 cannot hold, say.
  explicit FixtureDisc(const std::vector<DiscFile>& files, std::string_view folderUtf8 = {});
  ~FixtureDisc();
  FixtureDisc(const FixtureDisc&) = delete;
  FixtureDisc& operator=(const FixtureDisc&) = delete;

  const std::wstring& Root() const { return root_; }  // without a trailing backslash
  std::wstring Path(std::string_view relativeUtf8) const;
  std::wstring Program() const { return root_ + L"\\tolvane.exe"; }

 private:
  std::wstring temp_;  // removed as a whole
  std::wstring root_;
};

// Calls `visit` for every file and folder in `folder` (not below it), with
// its path and what the search found about it.
void ForEachInFolder(
    const std::wstring& folder,
    const std::function<void(const std::wstring& path, const WIN32_FIND_DATAW& found)>& visit);

// A file's bytes; nullopt when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

// The folder of the driver program, where the build puts tolvane.exe and probe.exe.
std::wstring DriverFolder();

}  // namespace e2e
