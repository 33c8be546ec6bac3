// The main window's services that an "/o:" target uses while no window shows.
#include "autorun1/form1.h"
#include "runtime/cp932_text.h"
#include "startup/direct_open.h"

namespace tolvane {

DirectOpenHooks TForm1::DirectOpenServices() {
  // What an "/o:" target starts runs in the launcher's folder, as its
  // relative names do.
  return {[this](std::string_view file, std::string_view parameters) {
            return ShellOpen(file, parameters, FolderToEnter(Folders.ApplicationDir));
          },
          // The question names the expanded file and carries the program's title.
          [this](const std::string& file) {
            OfferNotepad(file, file, App().Title(), FolderToEnter(Folders.ApplicationDir));
          },
          [this](EntryKind kind) { ConfirmSystemAction(kind); },
          [this](std::string_view address) {
            OpenAddress(address, FolderToEnter(Folders.ApplicationDir));
          }};
}

}  // namespace tolvane
