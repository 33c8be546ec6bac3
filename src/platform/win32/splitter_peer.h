// The splitter: a thin window that resizes the control on its left while it
// is dragged.
#pragma once

#include "platform/win32/child_peer.h"
#include "runtime/controls.h"

namespace tolvane::win32 {

class SplitterPeer final : public ChildPeer {
 public:
  SplitterPeer(FormPeer& owner, Splitter& splitter)
      : ChildPeer(owner, splitter), splitter_(splitter) {}
  void Create() override;

 protected:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DragTo(LPARAM mouse);

  Splitter& splitter_;
  bool dragging_ = false;
  int grabOffset_ = 0;
};

}  // namespace tolvane::win32
