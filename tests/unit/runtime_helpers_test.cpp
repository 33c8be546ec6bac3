#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "runtime/application.h"
#include "runtime/callback.h"
#include "runtime/controls.h"
#include "runtime/design.h"
#include "runtime/runtime_error.h"
#include "support/fake_platform.h"

namespace tolvane {
namespace {

using testing::FakePlatform;
using testing::ShownMessage;

int Twice(int value) {
  return 2 * value;
}

TEST(Callback, EmptyDoesNothingAndGivesTheDefault) {
  Callback<int(int)> empty;
  Callback<int(int)> cleared = nullptr;
  EXPECT_FALSE(empty);
  EXPECT_FALSE(cleared);
  EXPECT_EQ(empty(5), 0);
  KeyEvent key;
  unsigned short code = kKeyEnter;
  Panel sender("sender", nullptr);
  key(sender, code, false);
  EXPECT_EQ(code, kKeyEnter);
}

TEST(Callback, CallsWhatItHolds) {
  Callback<int(int)> function = &Twice;
  EXPECT_TRUE(function);
  EXPECT_EQ(function(21), 42);

  // As many captures as fit, each kept apart, and the handler's changes to
  // its reference arguments reach the caller.
  int a = 1, b = 2, c = 3;
  std::string seen;
  KeyEvent handler = [&a, &b, &c, &seen](Control& s, unsigned short& k, bool shift) {
    seen = s.Name() + (shift ? "+" : "-") + std::to_string(a + b + c);
    k = 0;
  };
  Panel sender("ListBox1", nullptr);
  unsigned short code = kKeyDown;
  handler(sender, code, true);
  EXPECT_EQ(seen, "ListBox1+6");
  EXPECT_EQ(code, 0);

  // A copy holds the same binding; replacing the original leaves it alone.
  KeyEvent copy = handler;
  handler = nullptr;
  a = 10;
  code = kKeyUp;
  copy(sender, code, false);
  EXPECT_EQ(seen, "ListBox1-15");
  EXPECT_FALSE(handler);
}

TEST(Callback, CallsAMemberFunctionOnItsObject) {
  struct Counter {
    int total = 0;
    int Add(int step) { return total += step; }
  } first, second;
  Callback<int(int)> addToFirst{&first, &Counter::Add};
  const Callback<int(int)> addToSecond{&second, &Counter::Add};
  EXPECT_EQ(addToFirst(2), 2);
  EXPECT_EQ(addToFirst(3), 5);
  EXPECT_EQ(addToSecond(7), 7);
  EXPECT_EQ(first.total, 5);
  EXPECT_EQ(second.total, 7);
}

TEST(ApplicationGuard, ShowsWhatAHandlerRaised) {
  struct Case {
    const char* name;
    Callback<void()> handler;
    const char* shown;  // nullptr: nothing shown, the handler ran through
  } cases[] = {
      {"quiet", [] {}, nullptr},
      {"runtime error", [] { throw RuntimeError("File access denied"); }, "File access denied."},
      {"full stop kept", [] { throw RuntimeError("Done."); }, "Done."},
      {"empty message", [] { throw RuntimeError(""); }, "."},
      {"failed allocation", [] { throw std::bad_alloc(); }, "Out of memory."},
      {"array too long", [] { throw std::bad_array_new_length(); }, "Out of memory."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakePlatform platform;
    Application app(platform);
    app.SetTitle("Tolvane");
    EXPECT_EQ(app.Guard(c.handler), c.shown == nullptr);
    if (c.shown == nullptr) {
      EXPECT_TRUE(platform.messages.empty());
    } else {
      ASSERT_EQ(platform.messages.size(), 1u);
      EXPECT_EQ(platform.messages[0], (ShownMessage{c.shown, "Tolvane", 0x10}));
    }
  }
}

TEST(SortByKey, EqualKeysKeepTheirOrder) {
  Panel parent("parent", nullptr);
  const int keys[] = {3, 1, 2, 1, 3, 0};
  const char* const names[] = {"a", "b", "c", "d", "e", "f"};
  std::vector<Panel*> panels;
  for (int i = 0; i < 6; ++i) {
    panels.push_back(new Panel(names[i], &parent));
    panels.back()->SetTabOrder(keys[i]);
  }
  std::vector<Control*> sorted(parent.Children());
  SortByKey(sorted, [](const Control& c) { return c.TabOrder(); });
  std::string order;
  for (const Control* c : sorted)
    order += c->Name();
  EXPECT_EQ(order, "fbdcae");
  std::vector<Control*> none;
  SortByKey(none, [](const Control& c) { return c.TabOrder(); });
  EXPECT_TRUE(none.empty());
  for (Panel* p : panels)
    delete p;
}

TEST(ApplyDesigns, SetsWhatEachRowGivesAndKeepsTheRest) {
  Panel form("form", nullptr);
  Label label("label", &form);
  Button button("button", &form);
  label.SetCaption("kept");
  const Font before = label.GetFont();
  // Rows name their controls, in any order.
  const ControlDesign designs[] = {
      {.control = "label", .bounds = {1, 2, 3, 4}, .hint = "tip"},
      {.control = "button",
       .bounds = {5, 6, 7, 8},
       .tabOrder = 2,
       .align = Align::Bottom,
       .fontFace = "face",
       .fontHeight = 13,
       .caption = "OK",
       .showHint = true},
  };
  ApplyDesigns(form, designs);
  EXPECT_EQ(label.Bounds(), (Rect{1, 2, 3, 4}));
  EXPECT_EQ(label.TabOrder(), -1);
  EXPECT_EQ(label.GetAlign(), Align::None);
  EXPECT_EQ(label.GetFont(), before);
  EXPECT_EQ(label.Caption(), "kept");
  EXPECT_EQ(label.Hint(), "tip");
  EXPECT_FALSE(label.ShowHint());
  EXPECT_EQ(button.TabOrder(), 2);
  EXPECT_EQ(button.GetAlign(), Align::Bottom);
  EXPECT_EQ(button.GetFont(), (Font{"face", 13}));
  EXPECT_EQ(button.Caption(), "OK");
  EXPECT_EQ(button.Hint(), "");
  EXPECT_TRUE(button.ShowHint());
  const ControlDesign unknown[] = {{.control = "nothing", .bounds = {}}};
  EXPECT_THROW(ApplyDesigns(form, unknown), RuntimeError);
}

}  // namespace
}  // namespace tolvane
