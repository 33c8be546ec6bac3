// The command-line options: "/i:" (another menu file, first parameter only),
// "/d:" (a combined description document, last parameter only) and "/o:"
// (the direct-open mode, any position, any number of times).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "startup/direct_open.h"
#include "startup/startup_folders.h"

namespace tolvane {

class Platform;
class RichEdit;

enum class OptionKind { None, Menu, Document, Open };

// One parameter as the options read it: cut at 255 bytes, its prefix ("/i:",
// "/d:", "/o:", letter case ignored) and the value after it.
struct CommandOption {
  OptionKind kind = OptionKind::None;
  std::string value;
};

// The parameters in order (element 0, the program name, is skipped). The one
// reading of the command line: the single-instance guard and start-up both
// work from it.
std::vector<CommandOption> ReadCommandOptions(const std::vector<std::string>& args);

// A second launcher may run for "/i:" or "/o:".
bool AllowsSecondInstance(const std::vector<CommandOption>& options);

struct CommandLineOptions {
  bool MenuOptionGiven = false;
  std::string MenuOptionPath;
  bool DocOptionActive = false;
  std::string DocOptionPath;
  bool DirectOpenDone = false;
};

// Acts on the options in order. "/i:" replaces the menu folders in `folders`;
// "/o:" targets are opened as they come. When DirectOpenDone is set the
// program must end without reading its menu.
CommandLineOptions ScanCommandLineOptions(Platform& platform, std::string_view title,
                                          const std::vector<CommandOption>& options,
                                          StartupFolders& folders, const DirectOpenHooks& hooks);

// Loads the "/d:" document into `holder` (RTF, else plain text). Returns
// whether it is loaded; a document that exists but cannot be read is
// reported, a missing one is not.
bool LoadCombinedDocument(Platform& platform, const std::string& path, RichEdit& holder);

}  // namespace tolvane
