// The launcher list's keys: Enter runs the entry, Space moves the selection,
// and the ends of the list show their entry again after every key.
#include "autorun1/form1.h"

namespace tolvane {

void TForm1::ListBox1KeyDown(Control& sender, unsigned short& key, bool shift) {
  if (key == kKeyEnter) {
    // As the Run button would, enabled or not; the handler has its own guards.
    Button1Click(sender);
    key = 0;
  } else if (key == kKeySpace) {
    key = shift ? kKeyUp : kKeyDown;
  }
}

void TForm1::ListBox1KeyUp(Control& sender, unsigned short&, bool) {
  // At the first and the last line a key moves nothing and raises no click.
  const int index = ListBox1.ItemIndex();
  if (index < 0)
    return;  // an empty list: no entry to show
  if (index == 0 || index == Menu.EntryCount - 1)
    ListBox1Click(sender);
}

}  // namespace tolvane
