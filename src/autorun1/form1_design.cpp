// The main window's controls as designed: places, captions, hints, fonts.
#include "autorun1/form1.h"
#include "platform/platform.h"
#include "runtime/design.h"

namespace tolvane {

namespace {

const char* const kPGothic = "ＭＳ Ｐゴシック";
const char* const kGothic = "ＭＳ ゴシック";

constexpr unsigned short kShortcutCtrlR = 0x4000 + 'R';
constexpr unsigned short kShortcutCtrlO = 0x4000 + 'O';

// Each row names its control; in the order of the controls in TForm1, which
// the alignment of siblings follows. Spacer panels keep margins only and
// never take the focus.
const ControlDesign kForm1Designs[] = {
    {.control = "Splitter",
     .bounds = {233, 8, 8, 308},
     .align = Align::Left,
     .hint = "「ターゲット選択」と「テキスト」の幅を変更します。"},
    {.control = "Label1", .bounds = {256, 16, 42, 12}, .fontFace = kPGothic, .caption = "テキスト"},
    {.control = "lblListWidth",
     .bounds = {248, 288, 64, 13},
     .fontFace = kPGothic,
     .fontHeight = 13,
     .caption = "lblListWidth"},
    {.control = "Panel1", .bounds = {0, 0, 503, 8}, .align = Align::Top},
    {.control = "RichEdit1",
     .bounds = {248, 32, 241, 249},
     .tabOrder = 4,
     .fontFace = kGothic,
     .fontHeight = 8,
     .hint = "テキスト",
     .showHint = true},
    {.control = "CheckBox1",
     .bounds = {288, 288, 97, 17},
     .tabOrder = 7,
     .fontFace = kPGothic,
     .caption = "右端で折り返す",
     .hint = "チェックを入れた場合、テキストを右端で折り返します。",
     .showHint = true},
    {.control = "CheckBox2",
     .bounds = {392, 288, 105, 17},
     .tabOrder = 8,
     .fontFace = kPGothic,
     .caption = "ﾃｷｽﾄを表示する",
     .hint = "チェックを入れた場合、テキストを表示します。",
     .showHint = true},
    {.control = "Panel3", .bounds = {0, 8, 7, 308}, .align = Align::Left},
    {.control = "GroupBox1",
     .bounds = {7, 8, 226, 308},
     .tabOrder = 0,
     .align = Align::Left,
     .fontFace = kPGothic,
     .fontHeight = 13,
     .caption = "ターゲット選択",
     .hint = "ターゲットを選択します。"},
    {.control = "ListBox1",
     .bounds = {10, 18, 206, 280},
     .tabOrder = 0,
     .align = Align::Client,
     .fontFace = kPGothic,
     .fontHeight = 13,
     .showHint = true},
    {.control = "Panel4", .bounds = {2, 15, 222, 3}, .align = Align::Top},
    {.control = "Panel5", .bounds = {2, 18, 8, 280}, .align = Align::Left},
    {.control = "Panel6", .bounds = {216, 18, 8, 280}, .align = Align::Right},
    {.control = "Panel7", .bounds = {2, 298, 222, 8}, .align = Align::Bottom},
    {.control = "Button5",
     .bounds = {336, 7, 75, 17},
     .tabOrder = 5,
     .fontFace = kPGothic,
     .caption = "CD表示(&D)",
     .hint = "CDの内容を表示します。",
     .showHint = true},
    {.control = "Button3",
     .bounds = {420, 7, 75, 17},
     .tabOrder = 6,
     .fontFace = kPGothic,
     .caption = "About(&A)",
     .hint = "バージョン情報を表示します。",
     .showHint = true},
    {.control = "Panel8", .bounds = {0, 316, 503, 30}, .align = Align::Bottom},
    {.control = "Button1",
     .bounds = {256, 312, 75, 25},
     .tabOrder = 1,
     .fontFace = kPGothic,
     .caption = "実行(&R)",
     .hint = "実行",
     .showHint = true},
    {.control = "Button4",
     .bounds = {336, 312, 75, 25},
     .tabOrder = 2,
     .fontFace = kPGothic,
     .caption = "ﾌｫﾙﾀﾞ(&O)",
     .hint = "選択したファイルがあるフォルダを表示します。",
     .showHint = true},
    {.control = "Button2",
     .bounds = {416, 312, 75, 25},
     .tabOrder = 3,
     .fontFace = kPGothic,
     .caption = "閉じる(&X)",
     .hint = "ランチャーを終了します。",
     .showHint = true},
    {.control = "RichEdit2",
     .bounds = {424, 56, 33, 33},
     .fontFace = kPGothic,
     .hint = "ﾃｷｽﾄ",
     .showHint = true},
};

}  // namespace

TForm1::TForm1(Application& app, std::vector<CommandOption> options)
    : Form("Form1", app),
      Splitter("Splitter", this, GroupBox1, 30),
      Label1("Label1", this),
      lblListWidth("lblListWidth", this),
      Panel1("Panel1", this),
      RichEdit1("RichEdit1", this),
      CheckBox1("CheckBox1", this),
      CheckBox2("CheckBox2", this),
      Panel3("Panel3", this),
      GroupBox1("GroupBox1", this),
      ListBox1("ListBox1", &GroupBox1),
      Panel4("Panel4", &GroupBox1),
      Panel5("Panel5", &GroupBox1),
      Panel6("Panel6", &GroupBox1),
      Panel7("Panel7", &GroupBox1),
      Button5("Button5", this),
      Button3("Button3", this),
      Panel8("Panel8", this),
      Button1("Button1", this),
      Button4("Button4", this),
      Button2("Button2", this),
      RichEdit2("RichEdit2", this),
      PopupMenu1("PopupMenu1"),
      PopupMenu2("PopupMenu2"),
      copy1(PopupMenu1.Add("copy1", "コピー(&C)")),
      N1(PopupMenu1.Add("N1", "-")),
      SelectAll1(PopupMenu1.Add("SelectAll1", "すべて選択(&A)")),
      N2(PopupMenu2.Add("N2", "実行(&R)", kShortcutCtrlR)),
      N3(PopupMenu2.Add("N3", "-")),
      N4(PopupMenu2.Add("N4", "ﾌｫﾙﾀﾞ表示(&O)", kShortcutCtrlO)),
      options_(std::move(options)) {
  SetCaption("Tolvane");
  SetFont(Font{kPGothic, 12});
  SetBounds({273, 227, 0, 0});

  ApplyDesigns(*this, kForm1Designs);

  lblListWidth.SetVisible(false);
  RichEdit2.SetVisible(false);
  RichEdit2.SetWordWrap(false);
  RichEdit2.SetBackgroundColor(kColorButtonFace);
  Button1.SetEnabled(false);
  Button4.SetEnabled(false);
  N4.SetHint("選択したファイルが置いてあるフォルダを開きます。");

  RichEdit1.SetPopup(&PopupMenu1);
  RichEdit2.SetPopup(&PopupMenu1);
  ListBox1.SetPopup(&PopupMenu2);

  SetClientSize(503, 346);
  CheckBox1.SetChecked(true);
  CheckBox2.SetChecked(true);
  lblListWidth.SetAutoSize([&app](const Font& font, std::string_view text, int pixelsPerInch) {
    return app.GetPlatform().TextWidth(font, text, pixelsPerInch);
  });
  BindEvents();
}

void TForm1::ScaleChanged(int oldPixelsPerInch) {
  // The splitter keeps its place in proportion; everything else the design
  // fixes or the layout computes.
  const int splitterLeft = Rescale(Splitter.Left(), PixelsPerInch(), oldPixelsPerInch);
  PlaceDesigns(*this, kForm1Designs);
  GroupBox1.SetWidth(splitterLeft - GroupBox1.Left());
  FormResize(*this);
  // The captions were measured in the old density's font.
  Menu.ListCaptionMaxWidth = Rescale(Menu.ListCaptionMaxWidth, PixelsPerInch(), oldPixelsPerInch);
  List_LeftScroll();
}

void TForm1::BindEvents() {
  OnResize = {this, &TForm1::FormResize};
  OnCloseQuery = {this, &TForm1::FormCloseQuery};
  Splitter.OnMoved = {this, &TForm1::SplitterMoved};
  ListBox1.OnClick = {this, &TForm1::ListBox1Click};
  ListBox1.OnDblClick = {this, &TForm1::Button1Click};
  ListBox1.OnKeyDown = {this, &TForm1::ListBox1KeyDown};
  ListBox1.OnKeyUp = {this, &TForm1::ListBox1KeyUp};
  N2.OnClick = {this, &TForm1::N2Click};
  N4.OnClick = {this, &TForm1::N4Click};
  Button1.OnClick = {this, &TForm1::Button1Click};
  Button4.OnClick = {this, &TForm1::Button4Click};
  Button5.OnClick = {this, &TForm1::Button5Click};
  CheckBox1.OnClick = {this, &TForm1::CheckBox1Click};
  CheckBox2.OnClick = {this, &TForm1::CheckBox2Click};
  Button2.OnClick = {this, &TForm1::Button2Click};
  Button3.OnClick = {this, &TForm1::Button3Click};
  for (RichEdit* pane : {&RichEdit1, &RichEdit2}) {
    pane->OnKeyDown = {this, &TForm1::RichEdit1KeyDown};
    pane->OnKeyPress = {this, &TForm1::RichEdit1KeyPress};
  }
  copy1.OnClick = {this, &TForm1::copy1Click};
  SelectAll1.OnClick = {this, &TForm1::SelectAll1Click};
}

Platform& TForm1::platform() const {
  return App().GetPlatform();
}

const TLauncherEntry* TForm1::SelectedEntry() const {
  return Menu.Entry(ListBox1.ItemIndex() + 1);
}

}  // namespace tolvane
