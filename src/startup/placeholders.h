// Path placeholders: the menu set (every occurrence) and the direct-open set
// (first occurrence only), and the "%param%" split of a direct-open target.
#pragma once

#include <string>
#include <string_view>

#include "startup/startup_folders.h"

namespace tolvane {

enum class TextLimit { None, ShortString };

// "%ProgramFiles%", "%WindowsDir%", "%SystemDir%", "%TempDir%", "%Root%",
// "%ApplicationDir%", "%KwtFileDir%", in this order, every occurrence, letter
// case ignored. A short string is cut to 255 bytes after every step.
std::string ExpandMenuPlaceholders(std::string_view text, const StartupFolders& folders,
                                   TextLimit limit);

// The first five of the menu set, each at its first occurrence only.
std::string ExpandOpenPlaceholders(std::string_view text, const StartupFolders& folders);

struct FileAndParams {
  std::string file;
  std::string params;
};

// Splits at the first "%param%": the parameters are what follows it, the file
// is what precedes it less its last character (the separating blank).
FileAndParams SplitAtParam(std::string_view text);

}  // namespace tolvane
