#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;

class MainWindowLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    l.DiscFile("AutoRun.KWP", "Short\r\n\r\na.exe\r\nA much longer caption\r\n\r\nb.exe\r\n");
    ASSERT_TRUE(l.Start());
  }
  TForm1& f() { return *l.form; }
  LauncherFixture l;
};

TEST_F(MainWindowLayout, LeftHalfFollowsTheClientAreaByAlignment) {
  struct Case {
    const Control* control;
    Rect bounds;
  } cases[] = {
      {&f().Panel1, {0, 0, 503, 8}},     {&f().Panel8, {0, 316, 503, 30}},
      {&f().Panel3, {0, 8, 7, 308}},     {&f().GroupBox1, {7, 8, 226, 308}},
      {&f().Splitter, {233, 8, 8, 308}}, {&f().ListBox1, {10, 18, 206, 280}},
      {&f().Panel4, {2, 15, 222, 3}},    {&f().Panel5, {2, 18, 8, 280}},
      {&f().Panel6, {216, 18, 8, 280}},  {&f().Panel7, {2, 298, 222, 8}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.control->Bounds(), c.bounds) << c.control->Name();
}

// The right half for a frame that adds 8 to the width and 27 to the height.
TEST_F(MainWindowLayout, RightHalfAtStartUp) {
  EXPECT_EQ(f().Width(), 511);
  EXPECT_EQ(f().Height(), 373);
  struct Case {
    const Control* control;
    Rect bounds;
  } cases[] = {
      {&f().RichEdit1, {241, 32, 253, 245}}, {&f().Label1, {246, 16, 42, 12}},
      {&f().CheckBox1, {281, 284, 97, 17}},  {&f().CheckBox2, {385, 284, 105, 17}},
      {&f().Button1, {259, 308, 75, 25}},    {&f().Button4, {339, 308, 75, 25}},
      {&f().Button2, {419, 308, 75, 25}},    {&f().Button5, {344, 7, 75, 17}},
      {&f().Button3, {419, 7, 75, 17}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.control->Bounds(), c.bounds) << c.control->Name();
}

TEST_F(MainWindowLayout, ResizingMovesTheRightHalfAndStretchesTheList) {
  f().WindowResized({0, 0, 611, 473}, 603, 446);
  EXPECT_EQ(f().RichEdit1.Bounds(), (Rect{241, 32, 353, 345}));
  EXPECT_EQ(f().CheckBox1.Bounds(), (Rect{381, 384, 97, 17}));
  EXPECT_EQ(f().Button2.Bounds(), (Rect{519, 408, 75, 25}));
  EXPECT_EQ(f().Button3.Left(), 519);
  EXPECT_EQ(f().GroupBox1.Bounds(), (Rect{7, 8, 226, 408}));
  EXPECT_EQ(f().ListBox1.Bounds(), (Rect{10, 18, 206, 380}));
}

TEST_F(MainWindowLayout, TinyWindowsClampAtZero) {
  f().WindowResized({0, 0, 60, 40}, 52, 13);
  EXPECT_EQ(f().RichEdit1.Width(), 0);
  EXPECT_EQ(f().RichEdit1.Height(), 0);
  EXPECT_EQ(f().GroupBox1.Height(), 0);
  EXPECT_EQ(f().ListBox1.Height(), 0);
}

TEST_F(MainWindowLayout, SplitterKeepsTheListFrameUsable) {
  struct Case {
    int dragTo;  // the splitter's left edge the drag asks for
    int frameWidth;
    int splitterLeft;
  } cases[] = {
      {283, 276, 283},   // an ordinary move
      {49, 51, 58},      // S = 49 is reset
      {50, 43, 50},      // S = 50 stays
      {20, 51, 58},      // down to the minimum: snaps shut, then restored
      {1000, 458, 465},  // the maximum leaves 30 beside the other aligned controls
  };
  for (const Case& c : cases) {
    f().Splitter.DragTo(c.dragTo);
    EXPECT_EQ(f().GroupBox1.Width(), c.frameWidth) << c.dragTo;
    EXPECT_EQ(f().Splitter.Left(), c.splitterLeft) << c.dragTo;
    EXPECT_EQ(f().RichEdit1.Left(), c.splitterLeft + 8) << c.dragTo;
    EXPECT_EQ(f().RichEdit1.Width(), 511 - c.splitterLeft - 25) << c.dragTo;
    EXPECT_EQ(f().Label1.Left(), c.splitterLeft + 13) << c.dragTo;
    EXPECT_EQ(f().Button3.Left(), 511 - 17 - 75) << c.dragTo;
    EXPECT_EQ(f().Button5.Left(), 511 - 17 - 150) << c.dragTo;
    // The splitter leaves the pane's height and the bottom row alone.
    EXPECT_EQ(f().RichEdit1.Height(), 245);
    EXPECT_EQ(f().Button1.Left(), 259);
  }
}

// A resize after a splitter move keeps what the move placed.
TEST_F(MainWindowLayout, ResizeAndSplitterPlaceTheRightHalfAlike) {
  const Control* const rightHalf[] = {&f().RichEdit1, &f().Label1, &f().Button5, &f().Button3};
  for (const int dragTo : {283, 49, 50, 20, 1000, 233}) {
    f().Splitter.DragTo(dragTo);
    std::vector<Rect> afterMove;
    for (const Control* c : rightHalf)
      afterMove.push_back(c->Bounds());
    f().FormResize(f());
    for (std::size_t i = 0; i < std::size(rightHalf); ++i)
      EXPECT_EQ(rightHalf[i]->Bounds(), afterMove[i]) << rightHalf[i]->Name() << " " << dragTo;
  }
}

TEST_F(MainWindowLayout, HorizontalExtentIsTheWidestCaptionPlusFive) {
  // The fake measures 6.5 pixels a byte at the list's 13-pixel font.
  EXPECT_EQ(f().Menu.ListCaptionMaxWidth, 21 * 13 / 2);
  EXPECT_EQ(f().ListBox1.HorizontalExtent(), 21 * 13 / 2 + 5);
}

TEST(MainWindowEmptyList, StartsWithNothingSelected) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWP", "\r\n\r\n");
  ASSERT_TRUE(l.Start());
  TForm1& f = *l.form;
  EXPECT_TRUE(f.Shown());
  EXPECT_EQ(f.ListBox1.ItemIndex(), -1);
  EXPECT_EQ(f.ListBox1.HorizontalExtent(), 5);
  EXPECT_FALSE(f.Button1.Enabled());
  EXPECT_FALSE(f.Button4.Enabled());
  EXPECT_EQ(f.RichEdit1.Text(), "");
  // A click or key release on the empty list reads no entry.
  f.ListBox1Click(f.ListBox1);
  EXPECT_EQ(f.RichEdit1.Text(), "");
}

TEST(MainWindowDesign, CaptionsHintsAndInitialStates) {
  LauncherFixture l;
  l.DiscFile("AutoRun.KWT", "");
  ASSERT_TRUE(l.Start());
  TForm1& f = *l.form;
  struct Case {
    const Control* control;
    std::string caption, hint;
    bool hintShown, enabled, visible;
  } cases[] = {
      {&f.GroupBox1, "ターゲット選択", "ターゲットを選択します。", false, true, true},
      {&f.Splitter, "", "「ターゲット選択」と「テキスト」の幅を変更します。", false, true, true},
      {&f.CheckBox1, "右端で折り返す", "チェックを入れた場合、テキストを右端で折り返します。", true,
       true, true},
      {&f.CheckBox2, "ﾃｷｽﾄを表示する", "チェックを入れた場合、テキストを表示します。", true, true,
       true},
      {&f.Button5, "CD表示(&D)", "CDの内容を表示します。", true, true, true},
      {&f.Button3, "About(&A)", "バージョン情報を表示します。", true, true, true},
      {&f.Button1, "実行(&R)", "実行", true, false, true},
      {&f.Button4, "ﾌｫﾙﾀﾞ(&O)", "選択したファイルがあるフォルダを表示します。", true, false, true},
      {&f.Button2, "閉じる(&X)", "ランチャーを終了します。", true, true, true},
      {&f.RichEdit1, "", "テキスト", true, true, true},
      {&f.RichEdit2, "", "ﾃｷｽﾄ", true, true, false},
      {&f.lblListWidth, "lblListWidth", "", false, true, false},
      {&f.Label1, "テキスト", "", false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control->Name());
    EXPECT_EQ(c.control->Caption(), c.caption);
    EXPECT_EQ(c.control->Hint(), c.hint);
    EXPECT_EQ(c.control->ShowHint(), c.hintShown);
    EXPECT_EQ(c.control->Enabled(), c.enabled);
    EXPECT_EQ(c.control->Visible(), c.visible);
  }
  EXPECT_EQ(f.Caption(), "Tolvane");
  EXPECT_EQ(f.ClientWidth(), 503);
  EXPECT_EQ(f.ClientHeight(), 346);
  EXPECT_TRUE(f.CheckBox1.Checked());
  EXPECT_TRUE(f.CheckBox2.Checked());
  EXPECT_TRUE(f.RichEdit1.WordWrap());
  EXPECT_FALSE(f.RichEdit2.WordWrap());
  EXPECT_EQ(f.N2.Shortcut(), 16466);
  EXPECT_EQ(f.N4.Shortcut(), 16463);
  EXPECT_EQ(f.N2.Caption(), "実行(&R)");
  EXPECT_EQ(f.N4.Caption(), "ﾌｫﾙﾀﾞ表示(&O)");
  EXPECT_EQ(f.ListBox1.Popup(), &f.PopupMenu2);
  EXPECT_EQ(f.RichEdit2.Popup(), &f.PopupMenu1);
}

// On a denser screen, opened there or moved there from 96, the window is the
// design window in proportion. Sizes and splitter places in design pixels.
TEST(MainWindowAtDensity, IsTheDesignInProportion) {
  struct Case {
    int dpi, width, height, splitter;
    bool moved;
  } cases[] = {
      {96, 503, 346, 233, false},  {120, 503, 346, 233, false}, {144, 503, 346, 233, false},
      {192, 503, 346, 233, false}, {120, 700, 500, 300, false}, {144, 421, 301, 121, false},
      {192, 421, 301, 121, false}, {144, 700, 500, 300, true},  {120, 421, 301, 121, true},
  };
  // Wine's frame at 144 is 10 by 38, not 8 by 27 in proportion: no control follows it.
  auto layOut = [](TForm1& f, int width, int height, int splitter) {
    const bool design = f.PixelsPerInch() == 96;
    f.WindowResized({0, 0, width + (design ? 8 : 10), height + (design ? 27 : 38)}, width, height);
    f.Splitter.DragTo(splitter);
  };
  auto controlsOf = [](TForm1& f) {
    return std::array<const Control*, 12>{&f.GroupBox1, &f.Splitter, &f.ListBox1, &f.Label1,
                                          &f.RichEdit1, &f.Button5,  &f.Button3,  &f.CheckBox1,
                                          &f.CheckBox2, &f.Button1,  &f.Button4,  &f.Button2};
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dpi << " dpi " << c.width << "x" << c.height << " S "
                                      << c.splitter << (c.moved ? " moved" : ""));
    auto px = [&c](int design) { return Rescale(design, c.dpi, 96); };
    LauncherFixture at96, scaled;
    for (LauncherFixture* l : {&at96, &scaled})
      l->DiscFile("AutoRun.KWP", "Short\r\n\r\na.exe\r\nA much longer caption\r\n\r\nb.exe\r\n");
    ASSERT_TRUE(at96.Start() && scaled.Start({"tolvane.exe"}, c.moved ? 96 : c.dpi));
    TForm1& f = *scaled.form;
    layOut(*at96.form, c.width, c.height, c.splitter);
    if (c.moved) {  // at 96 first; the splitter's place follows in proportion by itself
      layOut(f, c.width, c.height, c.splitter);
      f.SetPixelsPerInch(c.dpi);
    }
    layOut(f, px(c.width), px(c.height), c.moved ? f.Splitter.Left() : px(c.splitter));
    const auto controls = controlsOf(f);
    const auto designs = controlsOf(*at96.form);
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const Rect& b = controls[i]->Bounds();
      const Rect& e = designs[i]->Bounds();
      const Rect area = controls[i]->Parent()->AlignArea();
      // Each edge is a sum of at most three scaled lengths: within a pixel and a half.
      for (const auto& [got, want] : {std::pair{b.left, e.left},
                                      {b.top, e.top},
                                      {b.right(), e.right()},
                                      {b.bottom(), e.bottom()}})
        EXPECT_LE(std::abs(2 * 96 * got - 2 * c.dpi * want), 3 * 96) << controls[i]->Name();
      EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right() <= area.right() &&
                  b.bottom() <= area.bottom() &&
                  std::none_of(controls.begin(), controls.end(),
                               [&](const Control* o) {
                                 const Rect& r = o->Bounds();
                                 return o != controls[i] && o->Parent() == controls[i]->Parent() &&
                                        b.left < r.right() && r.left < b.right() &&
                                        b.top < r.bottom() && r.top < b.bottom();
                               }))
          << controls[i]->Name() << " out of its parent or over another control";
    }
    // One right edge for the pane and both button rows, the small buttons side by side.
    EXPECT_EQ(f.Button3.Bounds().right(), f.RichEdit1.Bounds().right());
    EXPECT_EQ(f.Button2.Bounds().right(), f.RichEdit1.Bounds().right());
    EXPECT_EQ(f.Button5.Bounds().right(), f.Button3.Left());
  }
}

}  // namespace
}  // namespace tolvane
