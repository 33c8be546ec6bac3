// The description pane from the keyboard and its popup menu: scrolling that
// works although the pane is read-only, and copying.
#include "autorun1/form1.h"

namespace tolvane {

namespace {
constexpr char kCtrlR = 18;  // the character Ctrl+R types
}  // namespace

// Shared by both panes; it always scrolls the one that is shown.
void TForm1::RichEdit1KeyDown(Control&, unsigned short& key, bool shift) {
  int scroll = 0;
  switch (key) {
    case kKeyEnter:
      scroll = shift ? kScrollLineUp : kScrollLineDown;
      break;
    case kKeySpace:
      scroll = shift ? kScrollPageUp : kScrollPageDown;
      break;
    case kKeyPageUp:
      scroll = kScrollPageUp;
      break;
    case kKeyPageDown:
      scroll = kScrollPageDown;
      break;
    default:
      return;
  }
  RichEdit1.Scroll(scroll);
  key = 0;
}

void TForm1::RichEdit1KeyPress(Control&, char& key) {
  // Ctrl+R gives the paragraph back its plain left alignment.
  if (key == kCtrlR)
    RichEdit1.SetParagraphAlignment(kAlignLeft);
  // Typed characters never reach the pane.
  key = 0;
}

void TForm1::copy1Click(Control&) {
  RichEdit1.CopySelection();
}

void TForm1::SelectAll1Click(Control&) {
  RichEdit1.SelectAll();
}

}  // namespace tolvane
