#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/launcher_fixture.h"

namespace tolvane {
namespace {

using testing::LauncherFixture;

// Stands in for the native pane: records what the handlers ask of it.
class PaneRecorder : public ControlPeer {
 public:
  void Scroll(int code) override { calls.push_back("scroll " + std::to_string(code)); }
  void CopySelection() override { calls.push_back("copy"); }
  void SelectAll() override { calls.push_back("select all"); }
  void SetParagraphAlignment(int alignment) override {
    calls.push_back("align " + std::to_string(alignment));
  }
  std::vector<std::string> calls;
};

struct PaneFixture : LauncherFixture {
  PaneFixture() {
    DiscFile("AutoRun.KWP", "E\r\n\r\n\r\n");
    EXPECT_TRUE(Start());
    form->RichEdit1.SetPeer(&pane);
    form->RichEdit2.SetPeer(&hidden);
  }
  ~PaneFixture() {
    form->RichEdit1.SetPeer(nullptr);
    form->RichEdit2.SetPeer(nullptr);
  }
  PaneRecorder pane;
  PaneRecorder hidden;
};

struct KeyCase {
  unsigned short key;
  bool shift;
  const char* scroll;  // nullptr: the key passes unchanged
};

TEST(PaneKeys, ScrollKeysScrollThePaneAndAreConsumed) {
  const KeyCase cases[] = {
      {13, false, "scroll 1"}, {13, true, "scroll 0"},  {32, false, "scroll 3"},
      {32, true, "scroll 2"},  {33, false, "scroll 2"}, {33, true, "scroll 2"},
      {34, false, "scroll 3"}, {34, true, "scroll 3"},  {0x28, false, nullptr},
      {0x24, false, nullptr},  {'C', false, nullptr},   {9, true, nullptr},
  };
  for (const KeyCase& c : cases) {
    // Both panes share the handler; it always scrolls the one that is shown.
    for (const bool fromHidden : {false, true}) {
      PaneFixture p;
      RichEdit& sender = fromHidden ? p.form->RichEdit2 : p.form->RichEdit1;
      unsigned short key = c.key;
      sender.OnKeyDown(sender, key, c.shift);
      const std::string what = "key " + std::to_string(c.key) + (c.shift ? " with Shift" : "");
      if (c.scroll == nullptr) {
        EXPECT_EQ(key, c.key) << what;
        EXPECT_TRUE(p.pane.calls.empty()) << what;
      } else {
        EXPECT_EQ(key, 0) << what;
        EXPECT_EQ(p.pane.calls, std::vector<std::string>{c.scroll}) << what;
      }
      EXPECT_TRUE(p.hidden.calls.empty()) << what;
    }
  }
}

TEST(PaneKeys, EveryTypedCharacterIsConsumedAndCtrlRAlignsLeft) {
  for (const char typed : {'a', ' ', '\x01', '\x03', '\r', '\x81', '\x12'}) {
    PaneFixture p;
    char key = typed;
    p.form->RichEdit2.OnKeyPress(p.form->RichEdit2, key);
    EXPECT_EQ(key, 0) << int(typed);
    const std::vector<std::string> expected =
        typed == '\x12' ? std::vector<std::string>{"align 0"} : std::vector<std::string>{};
    EXPECT_EQ(p.pane.calls, expected) << int(typed);
  }
}

TEST(PaneKeys, PopupItemsActOnTheShownPane) {
  PaneFixture p;
  p.form->SelectAll1.Click(p.form->RichEdit2);
  p.form->copy1.Click(p.form->RichEdit2);
  EXPECT_EQ(p.pane.calls, (std::vector<std::string>{"select all", "copy"}));
  EXPECT_TRUE(p.hidden.calls.empty());
}

TEST(PaneKeys, WordWrapFollowsCheckBox1) {
  PaneFixture p;
  p.form->CheckBox1.SetChecked(false);
  EXPECT_FALSE(p.form->RichEdit1.WordWrap());
  p.form->CheckBox1.SetChecked(true);
  EXPECT_TRUE(p.form->RichEdit1.WordWrap());
}

TEST(PaneKeys, CloseButtonClosesTheWindowAndItsSound) {
  PaneFixture p;
  p.platform.mciCommands.clear();
  p.form->Button2.OnClick(p.form->Button2);
  EXPECT_TRUE(p.form->Closed());
  EXPECT_EQ(p.platform.mciCommands, std::vector<std::string>{"close FILE"});
}

}  // namespace
}  // namespace tolvane
