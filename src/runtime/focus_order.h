// The order in which Tab moves the keyboard focus through a window.
#pragma once

#include <vector>

namespace tolvane {

class Control;

// Depth first, siblings by tab order; controls without a tab order, hidden
// or disabled ones (and everything inside them) are left out. A container
// itself is not a stop, only what it holds.
std::vector<Control*> FocusOrder(const Control& root);

}  // namespace tolvane
