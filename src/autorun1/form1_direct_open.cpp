// The main window's services that an "/o:" target uses while no window shows.
#include "autorun1/form1.h"
#include "startup/direct_open.h"

namespace tolvane {

DirectOpenHooks TForm1::DirectOpenServices() {
  return {[this](std::string_view file, std::string_view parameters) {
            return ShellOpen(file, parameters);
          },
          // The question names the expanded file and carries the program's title.
          [this](const std::string& file) { OfferNotepad(file, file, App().Title()); },
          [this](const TargetKindState& request) { ConfirmSystemAction(request); }};
}

}  // namespace tolvane
