// The right half follows the window's outer size and the splitter; the left
// half lays itself out by alignment. Lengths are the design's, at 96 pixels
// per inch, and scaled to the window's screen; the right edges of the pane
// and of both button rows are one edge at every density.
#include <algorithm>

#include "autorun1/form1.h"
#include "menu/sounds.h"

namespace tolvane {

namespace {
constexpr int kSplitterFloor = 50;
constexpr int kSplitterRestore = 51;
constexpr int kPaneGap = 8;           // from the splitter's left edge to the pane
constexpr int kLabelIndent = 13;      // from the splitter's left edge to the pane's label
constexpr int kRightMargin = 17;      // from W to the pane's right edge
constexpr int kButtonWidth = 75;      // the small buttons above the pane
constexpr int kButtonSpacing = 80;    // from one bottom button's left edge to the next
constexpr int kPaneHeightLess = 128;  // H less the pane's height
constexpr int kButtonsAbove = 65;     // from H up to the bottom buttons
constexpr int kCheckBoxesAbove = 24;  // from the bottom buttons up to the check boxes
constexpr int kCheckBox1FromW = 230;
constexpr int kCheckBox2FromW = 126;
constexpr int kExtentMargin = 5;  // beyond the widest list caption
}  // namespace

void TForm1::FormResize(Control&) {
  const int W = LayoutWidth();
  const int H = LayoutHeight();
  PlaceBesideSplitter(H - Scaled(kPaneHeightLess));
  const int buttonsTop = H - Scaled(kButtonsAbove);
  const int checkBoxesTop = buttonsTop - Scaled(kCheckBoxesAbove);
  CheckBox1.SetBounds(
      {W - Scaled(kCheckBox1FromW), checkBoxesTop, CheckBox1.Width(), CheckBox1.Height()});
  CheckBox2.SetBounds(
      {W - Scaled(kCheckBox2FromW), checkBoxesTop, CheckBox2.Width(), CheckBox2.Height()});
  // Button2 ends where the pane does: W - 92, W - 172 and W - 252 at 96 pixels per inch.
  const int button2Left = W - Scaled(kRightMargin) - Button2.Width();
  const int spacing = Scaled(kButtonSpacing);
  Button1.SetBounds({button2Left - 2 * spacing, buttonsTop, Button1.Width(), Button1.Height()});
  Button4.SetBounds({button2Left - spacing, buttonsTop, Button4.Width(), Button4.Height()});
  Button2.SetBounds({button2Left, buttonsTop, Button2.Width(), Button2.Height()});
  RichEdit1.Repaint();
}

void TForm1::SplitterMoved(Control&) {
  if (Splitter.Left() < Scaled(kSplitterFloor)) {
    Splitter.SetLeft(Scaled(kSplitterRestore));
    GroupBox1.SetWidth(Scaled(kSplitterRestore));
  }
  PlaceBesideSplitter(RichEdit1.Height());
  RichEdit1.Repaint();
}

void TForm1::PlaceBesideSplitter(int paneHeight) {
  const int S = Splitter.Left();
  const int paneLeft = S + Scaled(kPaneGap);
  // In one move: the pane lays its text out again at each. W - S - 25 wide
  // at 96 pixels per inch.
  RichEdit1.SetBounds(
      {paneLeft, RichEdit1.Top(), LayoutWidth() - Scaled(kRightMargin) - paneLeft, paneHeight});
  Label1.SetLeft(S + Scaled(kLabelIndent));
  // The pane's right edge, W - 17, whatever S is.
  const int paneRight = RichEdit1.Left() + RichEdit1.Width();
  const int buttonWidth = Scaled(kButtonWidth);
  Button5.SetBounds({paneRight - 2 * buttonWidth, Button5.Top(), buttonWidth, Button5.Height()});
  Button3.SetBounds({paneRight - buttonWidth, Button3.Top(), buttonWidth, Button3.Height()});
}

void TForm1::List_LeftScroll() {
  ListBox1.SetHorizontalExtent(Menu.ListCaptionMaxWidth + Scaled(kExtentMargin));
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
