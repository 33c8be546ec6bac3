// The About button: a new About box every time, shown modally.
#include "autorun1/form1.h"
#include "platform/platform.h"

namespace tolvane {

void TForm1::Button3Click(Control&) {
  aboutBoxes_.push_back(std::make_unique<TAboutBox>(App(), Folders, Sounds));
  AboutBox = aboutBoxes_.back().get();
  platform().CreateNativeWindow(*AboutBox);
  // A failed creation step is shown, and the box still opens with what it has.
  App().Guard([this] { AboutBox->FormCreate(); });
  AboutBox->ShowModal();
}

}  // namespace tolvane
