#include "platform/win32/splitter_peer.h"

#include "platform/win32/form_peer.h"
#include "platform/win32/window_guard.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace tolvane::win32 {

namespace {

constexpr wchar_t kSplitterClass[] = L"TolvaneSplitter";

bool RegisterSplitterClass() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, kSplitterClass, &existing))
    return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_SIZEWE);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kSplitterClass;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

void SplitterPeer::Create() {
  if (!RegisterSplitterClass() || !CreateChildWindow(kSplitterClass, 0))
    return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
}

LRESULT CALLBACK SplitterPeer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<SplitterPeer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY)
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (self == nullptr || self->detached_)
    return DefWindowProcW(window, message, wParam, lParam);
  return RunGuarded(self->owner_.Model().App(),
                    [&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT SplitterPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      dragging_ = true;
      grabOffset_ = static_cast<short>(LOWORD(lParam));
      SetCapture(hwnd_);
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_ && GetCapture() == hwnd_)
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
      return DefWindowProcW(hwnd_, message, wParam, lParam);
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
