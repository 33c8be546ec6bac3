#include "runtime/focus_order.h"

#include "runtime/control.h"

namespace tolvane {

namespace {
void Collect(const Control& parent, std::vector<Control*>& out) {
  std::vector<Control*> siblings;
  for (Control* c : parent.Children())
    if (c->TabOrder() >= 0 && c->Visible() && c->Enabled())
      siblings.push_back(c);
  SortByKey(siblings, [](const Control& c) { return c.TabOrder(); });
  for (Control* c : siblings) {
    if (c->Children().empty())
      out.push_back(c);
    else
      Collect(*c, out);
  }
}
}  // namespace

std::vector<Control*> FocusOrder(const Control& root) {
  std::vector<Control*> order;
  Collect(root, order);
  return order;
}

}  // namespace tolvane
