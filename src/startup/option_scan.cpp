#include "startup/option_scan.h"

#include "platform/platform.h"
#include "runtime/controls.h"
#include "runtime/cp932_text.h"

namespace tolvane {

namespace {

constexpr std::size_t kPrefixLength = 3;

// "/i:": the menu file, relative to the program's folder unless it has a
// drive part. A value that names only a folder moves the menu folder but
// leaves the menu file to be looked for as usual.
void TakeMenuOption(Platform& platform, const std::string& value, StartupFolders& folders,
                    CommandLineOptions& options) {
  options.MenuOptionPath = value;
  std::string menuDir;
  if (!HasDrivePart(value)) {
    options.MenuOptionPath = platform.FullPath(folders.ApplicationDirSlash + value);
    menuDir = FolderPart(options.MenuOptionPath);
  } else {
    menuDir = FolderPart(platform.FullPath(value));
  }
  folders.MenuDir = RemoveTrailingBackslash(menuDir);
  folders.MenuDirSlash = AddTrailingBackslash(folders.MenuDir);
  if (!FileNamePart(options.MenuOptionPath).empty())
    options.MenuOptionGiven = true;
}

}  // namespace

std::vector<CommandOption> ReadCommandOptions(const std::vector<std::string>& args) {
  std::vector<CommandOption> options;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string param = ShortString(args[i]);
    const std::string_view prefix = std::string_view(param).substr(0, kPrefixLength);
    CommandOption option;
    if (EqualsIgnoreCase(prefix, "/i:"))
      option.kind = OptionKind::Menu;
    else if (EqualsIgnoreCase(prefix, "/d:"))
      option.kind = OptionKind::Document;
    else if (EqualsIgnoreCase(prefix, "/o:"))
      option.kind = OptionKind::Open;
    if (param.size() > kPrefixLength)
      option.value = param.substr(kPrefixLength);
    options.push_back(std::move(option));
  }
  return options;
}

bool AllowsSecondInstance(const std::vector<CommandOption>& options) {
  for (const CommandOption& option : options)
    if (option.kind == OptionKind::Menu || option.kind == OptionKind::Open)
      return true;
  return false;
}

CommandLineOptions ScanCommandLineOptions(Platform& platform, std::string_view title,
                                          const std::vector<CommandOption>& options,
                                          StartupFolders& folders, const DirectOpenHooks& hooks) {
  CommandLineOptions result;
  for (std::size_t i = 0; i < options.size(); ++i) {
    const CommandOption& option = options[i];
    // Only the last parameter's "/d:" survives this.
    result.DocOptionPath.clear();
    switch (option.kind) {
      case OptionKind::Document:
        result.DocOptionActive = true;
        result.DocOptionPath = folders.MenuDirSlash + option.value;
        break;
      case OptionKind::Menu:
        if (i != 0)
          platform.MessageBox(
              "コマンドライン「I:」は、コマンドラインの一番最初にあるときのみ有効です。", title,
              mb::kOk | mb::kIconExclamation);
        else
          TakeMenuOption(platform, option.value, folders, result);
        break;
      case OptionKind::Open:
        OpenDirectTarget(option.value, folders, hooks);
        result.DirectOpenDone = true;
        break;
      case OptionKind::None:
        break;
    }
  }
  return result;
}

bool LoadCombinedDocument(Platform& platform, const std::string& path, RichEdit& holder) {
  if (!platform.FileExists(path))
    return false;
  holder.Clear();
  FileContent file = platform.ReadFile(path);
  if (file.error != 0) {
    platform.MessageBox("指定ドキュメントの読み込みエラー", "エラー", mb::kOk | mb::kIconHand);
    return false;
  }
  holder.LoadDocument(std::move(file.bytes), platform.Cp932());
  return true;
}

}  // namespace tolvane
