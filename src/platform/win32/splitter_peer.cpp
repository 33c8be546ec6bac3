#include "platform/win32/splitter_peer.h"

#include "platform/win32/form_peer.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace tolvane::win32 {

namespace {
constexpr wchar_t kSplitterClass[] = L"TolvaneSplitter";
}  // namespace

void SplitterPeer::Create() {
  if (RegisterHookedClass(kSplitterClass, IDC_SIZEWE, false) &&
      CreateChildWindow(kSplitterClass, 0))
    HookMessages();
}

LRESULT SplitterPeer::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      dragging_ = true;
      grabOffset_ = static_cast<short>(LOWORD(lParam));
      SetCapture(window);
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_ && GetCapture() == window)
        DragTo(lParam);
      return 0;
    case WM_LBUTTONUP:
      if (dragging_)
        ReleaseCapture();
      dragging_ = false;
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
    default:
      return PassOn(window, message, wParam, lParam);
  }
}

void SplitterPeer::DragTo(LPARAM mouse) {
  POINT at{static_cast<short>(LOWORD(mouse)), static_cast<short>(HIWORD(mouse))};
  MapWindowPoints(hwnd_, owner_.Handle(), &at, 1);
  // The splitter's left edge in its parent's coordinates.
  int left = at.x - grabOffset_;
  if (Control* parent = splitter_.Parent(); parent != nullptr && parent->Parent() != nullptr)
    left -= owner_.PlaceOf(*parent).left;
  if (left == splitter_.Left())
    return;
  owner_.Dispatch([this, left] { splitter_.DragTo(left); });
}

}  // namespace tolvane::win32
