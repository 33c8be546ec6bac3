#include "platform/win32/child_peer.h"

#include "platform/win32/control_ids.h"
#include "platform/win32/form_peer.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/tooltips.h"
#include "runtime/form.h"

namespace tolvane::win32 {

ChildPeer::ChildPeer(FormPeer& owner, Control& control)
    : WindowHook(owner.Model().App()), owner_(owner), control_(control) {}

ChildPeer::~ChildPeer() {
  Detach();
}

void ChildPeer::Detach() {
  detached_ = true;
  Unhook();
}

bool ChildPeer::CreateChildWindow(const wchar_t* className, DWORD style, DWORD exStyle) {
  const Rect place = owner_.PlaceOf(control_);
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (owner_.ShownOf(control_))
    style |= WS_VISIBLE;
  if (!owner_.EnabledOf(control_))
    style |= WS_DISABLED;
  const auto id = static_cast<INT_PTR>(ids::ControlId(control_.Name()));
  hwnd_ = CreateWindowExW(exStyle, className, Widen(control_.Caption()).c_str(), style, place.left,
                          place.top, place.width, place.height, owner_.Handle(),
                          reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr)
    return false;
  // Later controls lie above earlier ones, as the form was designed.
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void ChildPeer::SyncAll() {
  if (hwnd_ == nullptr)
    return;
  ApplyFont();
  Changed(Property::Hint);
  for (const Property property :
       {Property::Items, Property::ItemIndex, Property::Checked, Property::Content,
        Property::WordWrap, Property::HorizontalExtent}) {
    Apply(property);
  }
}

void ChildPeer::Changed(Property property) {
  switch (property) {
    case Property::Bounds:
      Place();
      owner_.UpdateInside(control_, property);
      return;
    case Property::Visible:
      UpdateShown();
      owner_.UpdateInside(control_, property);
      return;
    case Property::Enabled:
      UpdateEnabled();
      owner_.UpdateInside(control_, property);
      return;
    default:
      break;
  }
  if (hwnd_ == nullptr)
    return;
  switch (property) {
    case Property::Caption:
      ShowCaption();
      break;
    case Property::Hint:
      UpdateHint();
      break;
    case Property::Font:
      ApplyFont();
      break;
    default:
      Apply(property);
      break;
  }
}

void ChildPeer::Place() {
  if (hwnd_ == nullptr)
    return;
  // A hidden window catches up when it is shown: the label that measures
  // the list's captions would otherwise move once per menu entry.
  if (!owner_.ShownOf(control_)) {
    placePending_ = true;
    return;
  }
  placePending_ = false;
  const Rect place = owner_.PlaceOf(control_);
  MoveWindow(hwnd_, place.left, place.top, place.width, place.height, TRUE);
  UpdateHint();
}

void ChildPeer::ShowCaption() {
  if (!owner_.ShownOf(control_)) {
    captionPending_ = true;
    return;
  }
  captionPending_ = false;
  SetWindowTextW(hwnd_, Widen(control_.Caption()).c_str());
}

void ChildPeer::UpdateShown() {
  if (hwnd_ != nullptr) {
    const bool shown = owner_.ShownOf(control_);
    if (shown && captionPending_)
      ShowCaption();
    if (shown && placePending_)
      Place();
    ShowWindow(hwnd_, shown ? SW_SHOWNA : SW_HIDE);
  }
  UpdateHint();
}

void ChildPeer::UpdateEnabled() {
  if (hwnd_ == nullptr)
    return;
  const bool enabled = owner_.EnabledOf(control_);
  // Disabling the focused window leaves no window with the focus; it comes
  // back when the control is enabled again (the list around a launch).
  if (!enabled && GetFocus() == hwnd_)
    owner_.FocusTakenAway(hwnd_);
  EnableWindow(hwnd_, enabled);
  if (enabled)
    owner_.FocusGivenBack(hwnd_);
  UpdateHint();
}

void ChildPeer::UpdateHint() {
  Tooltips* tips = owner_.Tips();
  if (hwnd_ == nullptr || tips == nullptr)
    return;
  const std::string_view hint = control_.ShowHint() ? control_.Hint() : std::string_view{};
  tips->Set(hwnd_, hint);
  const bool disabled = owner_.ShownOf(control_) && !owner_.EnabledOf(control_);
  tips->SetArea(hwnd_, disabled ? hint : std::string_view{});
}

void ChildPeer::ApplyFont() {
  if (hwnd_ == nullptr)
    return;
  if (HFONT font = owner_.Gdi().FontOf(control_.GetFont(), control_.PixelsPerInch()))
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ChildPeer::Repaint() {
  if (hwnd_ != nullptr)
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void ChildPeer::SetFocus() {
  if (hwnd_ != nullptr)
    ::SetFocus(hwnd_);
}

bool ChildPeer::Focused() const {
  return hwnd_ != nullptr && GetFocus() == hwnd_;
}

HBRUSH ChildPeer::ModelColors(HDC dc) {
  SetTextColor(dc, NativeColor(control_.GetFont().color));
  SetBkColor(dc, NativeColor(control_.BackgroundColor()));
  return owner_.Gdi().BrushOf(control_.BackgroundColor());
}

LRESULT ChildPeer::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      return RaiseKeyEvent(control_.OnKeyDown, window, message, wParam, lParam);
    case WM_KEYUP:
      return RaiseKeyEvent(control_.OnKeyUp, window, message, wParam, lParam);
    case WM_CHAR:
      return RaiseKeyPress(window, message, wParam, lParam);
    case WM_CONTEXTMENU:
      if (control_.Popup() != nullptr) {
        owner_.ShowPopupMenu(control_, window, lParam);
        return 0;
      }
      break;
    default:
      break;
  }
  return PassOn(window, message, wParam, lParam);
}

LRESULT ChildPeer::RaiseKeyEvent(const KeyEvent& event, HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  if (!event)
    return PassOn(window, message, wParam, lParam);
  auto key = static_cast<unsigned short>(wParam);
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  // A handler that raised is cut short; its key goes no further.
  if (!owner_.Dispatch([&] { event(control_, key, shift); }))
    return 0;
  // The handler may have closed the window.
  if (key == 0 || detached_ || !IsWindow(window))
    return 0;
  return PassOn(window, message, key, lParam);
}

LRESULT ChildPeer::RaiseKeyPress(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!control_.OnKeyPress)
    return PassOn(window, message, wParam, lParam);
  const wchar_t typed = static_cast<wchar_t>(wParam);
  const std::string bytes = Narrow(std::wstring_view(&typed, 1));
  std::string changed;
  bool consumed = bytes.empty();
  // A double-byte character reaches the handler as its two bytes in turn.
  for (const char byte : bytes) {
    char key = byte;
    if (!owner_.Dispatch([&] { control_.OnKeyPress(control_, key); }))
      return 0;
    if (key == 0)
      consumed = true;
    changed += key;
    if (detached_ || !IsWindow(window))
      return 0;
  }
  if (consumed)
    return 0;
  WPARAM passed = wParam;
  if (changed != bytes) {
    const std::wstring wide = Widen(changed);
    if (wide.size() != 1)
      return 0;
    passed = wide[0];
  }
  return PassOn(window, message, passed, lParam);
}

}  // namespace tolvane::win32
