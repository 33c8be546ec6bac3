// The main window's controls as designed: places, captions, hints, fonts.
#include "autorun1/form1.h"
#include "platform/platform.h"

namespace tolvane {

namespace {

const char* const kPGothic = "ＭＳ Ｐゴシック";
const char* const kGothic = "ＭＳ ゴシック";

Font PGothic(int height) {
  return Font{kPGothic, height};
}

void Design(Control& c, Rect bounds, int tabOrder, Align align = Align::None) {
  c.SetBounds(bounds);
  c.SetTabOrder(tabOrder);
  c.SetAlign(align);
}

void SetHintOf(Control& c, const char* hint, bool shown) {
  c.SetHint(hint);
  c.SetShowHint(shown);
}

constexpr unsigned short kCtrlR = 0x4000 + 'R';
constexpr unsigned short kCtrlO = 0x4000 + 'O';

}  // namespace

TForm1::TForm1(Application& app, std::vector<std::string> args)
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
      N2(PopupMenu2.Add("N2", "実行(&R)", kCtrlR)),
      N3(PopupMenu2.Add("N3", "-")),
      N4(PopupMenu2.Add("N4", "ﾌｫﾙﾀﾞ表示(&O)", kCtrlO)),
      args_(std::move(args)) {
  SetCaption("Tolvane");
  SetFont(PGothic(12));
  SetBounds({273, 227, 0, 0});

  // Fonts first: the group box's caption band depends on its font.
  Label1.SetFont(PGothic(12));
  lblListWidth.SetFont(PGothic(13));
  GroupBox1.SetFont(PGothic(13));
  ListBox1.SetFont(PGothic(13));
  RichEdit1.SetFont(Font{kGothic, 8});
  RichEdit2.SetFont(PGothic(12));
  for (Control* c : std::initializer_list<Control*>{&CheckBox1, &CheckBox2, &Button4})
    c->SetFont(GetFont());
  for (Control* c : std::initializer_list<Control*>{&Button5, &Button3, &Button1, &Button2})
    c->SetFont(PGothic(12));

  Design(Splitter, {233, 8, 8, 308}, -1, Align::Left);
  Design(Label1, {256, 16, 42, 12}, -1);
  Design(lblListWidth, {248, 288, 64, 13}, -1);
  Design(Panel1, {0, 0, 503, 8}, 9, Align::Top);
  Design(RichEdit1, {248, 32, 241, 249}, 4);
  Design(CheckBox1, {288, 288, 97, 17}, 7);
  Design(CheckBox2, {392, 288, 105, 17}, 8);
  Design(Panel3, {0, 8, 7, 308}, 10, Align::Left);
  Design(GroupBox1, {7, 8, 226, 308}, 0, Align::Left);
  Design(ListBox1, {10, 18, 206, 280}, 0, Align::Client);
  Design(Panel4, {2, 15, 222, 3}, 1, Align::Top);
  Design(Panel5, {2, 18, 8, 280}, 2, Align::Left);
  Design(Panel6, {216, 18, 8, 280}, 3, Align::Right);
  Design(Panel7, {2, 298, 222, 8}, 4, Align::Bottom);
  Design(Button5, {336, 7, 75, 17}, 5);
  Design(Button3, {420, 7, 75, 17}, 6);
  Design(Panel8, {0, 316, 503, 30}, 11, Align::Bottom);
  Design(Button1, {256, 312, 75, 25}, 1);
  Design(Button4, {336, 312, 75, 25}, 2);
  Design(Button2, {416, 312, 75, 25}, 3);
  Design(RichEdit2, {424, 56, 33, 33}, 12);
  // Spacers keep margins only and never take the focus.
  for (Control* c : {&Panel1, &Panel3, &Panel4, &Panel5, &Panel6, &Panel7, &Panel8})
    c->SetTabOrder(-1);
  RichEdit2.SetTabOrder(-1);

  SetHintOf(Splitter, "「ターゲット選択」と「テキスト」の幅を変更します。", false);
  Label1.SetCaption("テキスト");
  lblListWidth.SetCaption("lblListWidth");
  lblListWidth.SetVisible(false);
  GroupBox1.SetCaption("ターゲット選択");
  SetHintOf(GroupBox1, "ターゲットを選択します。", false);
  ListBox1.SetShowHint(true);
  SetHintOf(RichEdit1, "テキスト", true);
  SetHintOf(RichEdit2, "ﾃｷｽﾄ", true);
  RichEdit2.SetVisible(false);
  RichEdit2.SetWordWrap(false);
  RichEdit2.SetBackgroundColor(kColorButtonFace);
  CheckBox1.SetCaption("右端で折り返す");
  SetHintOf(CheckBox1, "チェックを入れた場合、テキストを右端で折り返します。", true);
  CheckBox2.SetCaption("ﾃｷｽﾄを表示する");
  SetHintOf(CheckBox2, "チェックを入れた場合、テキストを表示します。", true);
  Button5.SetCaption("CD表示(&D)");
  SetHintOf(Button5, "CDの内容を表示します。", true);
  Button3.SetCaption("About(&A)");
  SetHintOf(Button3, "バージョン情報を表示します。", true);
  Button1.SetCaption("実行(&R)");
  SetHintOf(Button1, "実行", true);
  Button1.SetEnabled(false);
  Button4.SetCaption("ﾌｫﾙﾀﾞ(&O)");
  SetHintOf(Button4, "選択したファイルがあるフォルダを表示します。", true);
  Button4.SetEnabled(false);
  Button2.SetCaption("閉じる(&X)");
  SetHintOf(Button2, "ランチャーを終了します。", true);
  N4.SetHint("選択したファイルが置いてあるフォルダを開きます。");

  RichEdit1.SetPopup(&PopupMenu1);
  RichEdit2.SetPopup(&PopupMenu1);
  ListBox1.SetPopup(&PopupMenu2);

  SetClientSize(503, 346);
  CheckBox1.SetChecked(true);
  CheckBox2.SetChecked(true);
  lblListWidth.SetAutoSize([&app](const Font& font, std::string_view text) {
    return app.GetPlatform().TextWidth(font, text);
  });
  BindEvents();
}

void TForm1::BindEvents() {
  OnResize = [this](Control& s) { FormResize(s); };
  OnCloseQuery = [this](Control& s, bool& canClose) { FormCloseQuery(s, canClose); };
  Splitter.OnMoved = [this](Control& s) { SplitterMoved(s); };
  ListBox1.OnClick = [this](Control& s) { ListBox1Click(s); };
  ListBox1.OnDblClick = [this](Control& s) { Button1Click(s); };
  ListBox1.OnKeyDown = [this](Control& s, unsigned short& k, bool shift) {
    ListBox1KeyDown(s, k, shift);
  };
  ListBox1.OnKeyUp = [this](Control& s, unsigned short& k, bool shift) {
    ListBox1KeyUp(s, k, shift);
  };
  N2.OnClick = [this](Control& s) { N2Click(s); };
  N4.OnClick = [this](Control& s) { N4Click(s); };
  Button1.OnClick = [this](Control& s) { Button1Click(s); };
  Button4.OnClick = [this](Control& s) { Button4Click(s); };
  Button5.OnClick = [this](Control& s) { Button5Click(s); };
  CheckBox1.OnClick = [this](Control& s) { CheckBox1Click(s); };
  CheckBox2.OnClick = [this](Control& s) { CheckBox2Click(s); };
  Button2.OnClick = [this](Control& s) { Button2Click(s); };
  Button3.OnClick = [this](Control& s) { Button3Click(s); };
  for (RichEdit* pane : {&RichEdit1, &RichEdit2}) {
    pane->OnKeyDown = [this](Control& s, unsigned short& key, bool shift) {
      RichEdit1KeyDown(s, key, shift);
    };
    pane->OnKeyPress = [this](Control& s, char& key) { RichEdit1KeyPress(s, key); };
  }
  copy1.OnClick = [this](Control& s) { copy1Click(s); };
  SelectAll1.OnClick = [this](Control& s) { SelectAll1Click(s); };
}

Platform& TForm1::platform() const {
  return App().GetPlatform();
}

const TLauncherEntry* TForm1::SelectedEntry() const {
  return Menu.Entry(ListBox1.ItemIndex() + 1);
}

}  // namespace tolvane
