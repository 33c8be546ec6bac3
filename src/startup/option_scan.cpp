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

CommandLineOptions ScanCommandLineOptions(Platform& platform, std::string_view title,
                                          const std::vector<std::string>& args,
                                          StartupFolders& folders, const DirectOpenHooks& hooks,
                                          TargetKindState& state) {
  CommandLineOptions options;
  for (std::size_t i = 1; i < args.size(); ++i) {
    // Only the last parameter's "/d:" survives this.
    options.DocOptionPath.clear();
    options.Opened = {};
    const std::string param = ShortString(args[i]);
    if (i <= kCommandLineParamSlots)
      options.CommandLineParams[i - 1] = param;
    const std::string_view prefix = std::string_view(param).substr(0, kPrefixLength);
    const std::string value = param.size() > kPrefixLength ? param.substr(kPrefixLength) : "";

    if (EqualsIgnoreCase(prefix, "/d:")) {
      options.DocOptionActive = true;
      options.DocOptionPath = folders.MenuDirSlash + value;
    }
    if (EqualsIgnoreCase(prefix, "/i:")) {
      if (i != 1)
        platform.MessageBox(
            "コマンドライン「I:」は、コマンドラインの一番最初にあるときのみ有効です。", title,
            mb::kOk | mb::kIconExclamation);
      else
        TakeMenuOption(platform, value, folders, options);
    }
    if (EqualsIgnoreCase(prefix, "/o:")) {
      OpenDirectTarget(value, folders, hooks, state, options.Opened);
      options.DirectOpenDone = true;
    }
  }
  return options;
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
