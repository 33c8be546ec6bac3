// The folder and disc buttons: a folder window of the selected entry's folder,
// or of the disc.
#include "autorun1/form1.h"
#include "platform/platform.h"
#include "runtime/cp932_text.h"

namespace tolvane {

void TForm1::Button4Click(Control&) {
  // The entry's own folder, also when its target lies in a subfolder of it.
  // Only an entry whose folder exists has the button enabled; its menu item
  // is reached on an empty list too.
  if (SelectedEntry() == nullptr || !Action.folderButton)
    return;
  ShellOpen(Action.folder, "");
}

void TForm1::N4Click(Control& sender) {
  Button4Click(sender);
}

void TForm1::Button5Click(Control&) {
  // An optical drive opens at its root, wherever the menu lies on it; any
  // other drive opens at the menu's folder.
  const std::string drive = DrivePart(Folders.MenuDir);
  ShellOpen(platform().DriveType(drive) == kDriveCdRom ? drive : Folders.MenuDir, "");
}

}  // namespace tolvane
