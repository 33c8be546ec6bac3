// The right half follows the window's outer size and the splitter; the left
// half lays itself out by alignment.
#include <algorithm>

#include "autorun1/form1.h"
#include "menu/sounds.h"

namespace tolvane {

namespace {
constexpr int kSplitterFloor = 50;
constexpr int kSplitterRestore = 51;
}  // namespace

void TForm1::FormResize(Control&) {
  const int W = Width();
  const int H = Height();
  PlaceBesideSplitter(H - 128);
  CheckBox1.SetBounds({W - 230, H - 89, CheckBox1.Width(), CheckBox1.Height()});
  CheckBox2.SetBounds({W - 126, H - 89, CheckBox2.Width(), CheckBox2.Height()});
  Button1.SetBounds({W - 252, H - 65, Button1.Width(), Button1.Height()});
  Button4.SetBounds({W - 172, H - 65, Button4.Width(), Button4.Height()});
  Button2.SetBounds({W - 92, H - 65, Button2.Width(), Button2.Height()});
  RichEdit1.Repaint();
}

void TForm1::SplitterMoved(Control&) {
  if (Splitter.Left() < kSplitterFloor) {
    Splitter.SetLeft(kSplitterRestore);
    GroupBox1.SetWidth(kSplitterRestore);
  }
  PlaceBesideSplitter(RichEdit1.Height());
  RichEdit1.Repaint();
}

void TForm1::PlaceBesideSplitter(int paneHeight) {
  const int W = Width();
  const int S = Splitter.Left();
  // In one move: the pane lays its text out again at each.
  RichEdit1.SetBounds({S + 8, RichEdit1.Top(), W - S - 25, paneHeight});
  Label1.SetLeft(S + 13);
  // The pane's right edge, W - 17, whatever S is.
  const int paneRight = RichEdit1.Left() + RichEdit1.Width();
  Button5.SetBounds({paneRight - 150, Button5.Top(), 75, Button5.Height()});
  Button3.SetBounds({paneRight - 75, Button3.Top(), 75, Button3.Height()});
}

void TForm1::List_LeftScroll() {
  ListBox1.SetHorizontalExtent(Menu.ListCaptionMaxWidth + 5);
}

void TForm1::CheckBox1Click(Control&) {
  RichEdit1.SetWordWrap(CheckBox1.Checked());
}

void TForm1::Button2Click(Control&) {
  Close();
}

void TForm1::FormCloseQuery(Control&, bool& canClose) {
  CloseSound(platform());
  canClose = true;
}

}  // namespace tolvane
