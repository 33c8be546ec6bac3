// The command-line options: "/i:" (another menu file, first parameter only),
// "/d:" (a combined description document, last parameter only) and "/o:"
// (the direct-open mode, any position, any number of times).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "menu/selection_state.h"
#include "startup/direct_open.h"
#include "startup/startup_folders.h"

namespace tolvane {

class Platform;
class RichEdit;

inline constexpr int kCommandLineParamSlots = 10;

struct CommandLineOptions {
  // Parameter i at index i - 1, cut at 255 bytes; later parameters are
  // handled all the same but not stored.
  std::array<std::string, kCommandLineParamSlots> CommandLineParams;
  bool MenuOptionGiven = false;
  std::string MenuOptionPath;
  bool DocOptionActive = false;
  std::string DocOptionPath;
  OpenedFile Opened;
  bool DirectOpenDone = false;
};

// Scans the parameters in order (element 0, the program name, is skipped).
// "/i:" replaces the menu folders in `folders`; "/o:" targets are opened as
// they come, with the shared target-kind state. When DirectOpenDone is set
// the program must end without reading its menu.
CommandLineOptions ScanCommandLineOptions(Platform& platform, std::string_view title,
                                          const std::vector<std::string>& args,
                                          StartupFolders& folders, const DirectOpenHooks& hooks,
                                          TargetKindState& state);

// Loads the "/d:" document into `holder` (RTF, else plain text). Returns
// whether it is loaded; a document that exists but cannot be read is
// reported, a missing one is not.
bool LoadCombinedDocument(Platform& platform, const std::string& path, RichEdit& holder);

}  // namespace tolvane
