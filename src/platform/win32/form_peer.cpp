#include "platform/win32/form_peer.h"

#include <algorithm>

#include "platform/win32/child_peer.h"
#include "platform/win32/control_ids.h"
#include "platform/win32/control_peers.h"
#include "platform/win32/dpi.h"
#include "platform/win32/text_conversion.h"
#include "platform/win32/tooltips.h"
#include "runtime/focus_order.h"
#include "runtime/form.h"

namespace tolvane::win32 {

namespace {

// Fires once the window has first painted: nobody can point at a control
// before, so its hints need no tooltip window yet.
constexpr UINT_PTR kTooltipsTimer = 1;

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

// A main window is sizeable; a dialog has a fixed frame without minimise or maximise.
WindowKind KindOf(const Form& form) {
  if (form.GetBorderStyle() == BorderStyle::Dialog)
    return {ids::kDialogWindowClass, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
            WS_EX_DLGMODALFRAME};
  return {ids::kMainWindowClass, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0};
}

// Where a window of this place and size is centred on the whole screen it is
// on, taskbar included; a window larger than the screen keeps its caption on it.
POINT CentredOrigin(const RECT& window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromRect(&window, MONITOR_DEFAULTTOPRIMARY), &monitor))
    return {window.left, window.top};
  const RECT& screen = monitor.rcMonitor;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  return {std::max(screen.left, screen.left + (screen.right - screen.left - width) / 2),
          std::max(screen.top, screen.top + (screen.bottom - screen.top - height) / 2)};
}

}  // namespace

FormPeer::FormPeer(Form& form, GdiObjects& gdi, std::wstring richEditClass)
    : WindowHook(form.App()), form_(form), gdi_(gdi), richEditClass_(std::move(richEditClass)) {}

FormPeer::~FormPeer() {
  // The model may be gone already: the window must not reach it any more.
  detached_ = true;
  for (auto& peer : peers_)
    peer->Detach();
  Unhook();
  if (hwnd_ != nullptr && IsWindow(hwnd_))
    DestroyWindow(hwnd_);
  tooltips_.reset();
  peers_.clear();
  for (HICON icon : icons_)
    if (icon != nullptr)
      DestroyIcon(icon);
}

void FormPeer::Create(HWND owner) {
  const WindowKind kind = KindOf(form_);
  if (!RegisterHookedClass(kind.className, IDC_ARROW, true))
    return;
  // Made for the density of the screen it opens on, before it is sized.
  const int dpi =
      MonitorPixelsPerInch(MonitorFromPoint({form_.Left(), form_.Top()}, MONITOR_DEFAULTTOPRIMARY));
  Dispatch([&] { form_.SetPixelsPerInch(dpi); });
  RECT frame{0, 0, form_.ClientWidth(), form_.ClientHeight()};
  AdjustFrameForDpi(frame, kind.style, kind.exStyle, dpi);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // Made where its first showing puts it, so that it need not move then.
  const POINT place =
      CentredOrigin({form_.Left(), form_.Top(), form_.Left() + width, form_.Top() + height});
  quitOnDestroy_ = owner == nullptr;
  hwnd_ = CreateWindowExW(kind.exStyle, kind.className, Widen(form_.Caption()).c_str(), kind.style,
                          place.x, place.y, width, height, owner, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr)
    return;
  if (!Hook(hwnd_)) {
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    return;
  }
  CreatePeers(form_);
  form_.SetPeer(this);
  TellModelWindowSize();
  ready_ = true;
}

void FormPeer::CreatePeers(Control& parent) {
  for (Control* control : parent.Children()) {
    std::unique_ptr<ChildPeer> peer = MakePeer(*this, *control);
    peer->Create();
    peer->SyncAll();
    control->SetPeer(peer.get());
    peers_.push_back(std::move(peer));
    CreatePeers(*control);
  }
}

void FormPeer::Detach() {
  if (detached_)
    return;
  detached_ = true;
  Unhook();
  for (auto& peer : peers_) {
    peer->Detach();
    peer->Model().SetPeer(nullptr);
  }
  form_.SetPeer(nullptr);
}

bool FormPeer::Dispatch(Callback<void()> handler) const {
  return form_.App().Guard(handler);
}

void FormPeer::Raise(const NotifyEvent& event, Control& sender) const {
  if (event)
    Dispatch([&] { event(sender); });
}

Rect FormPeer::PlaceOf(const Control& control) const {
  Rect place = control.Bounds();
  for (const Control* parent = control.Parent(); parent != nullptr && parent->Parent() != nullptr;
       parent = parent->Parent()) {
    place.left += parent->Left();
    place.top += parent->Top();
  }
  return place;
}

bool FormPeer::ShownOf(const Control& control) const {
  for (const Control* c = &control; c != nullptr && c->Parent() != nullptr; c = c->Parent())
    if (!c->Visible())
      return false;
  return true;
}

bool FormPeer::EnabledOf(const Control& control) const {
  for (const Control* c = &control; c != nullptr && c->Parent() != nullptr; c = c->Parent())
    if (!c->Enabled())
      return false;
  return true;
}

void FormPeer::UpdateInside(const Control& container, Property property) {
  for (Control* child : container.Children()) {
    if (auto* peer = static_cast<ChildPeer*>(child->Peer())) {
      if (property == Property::Bounds)
        peer->Place();
      if (property == Property::Visible)
        peer->UpdateShown();
      if (property == Property::Enabled)
        peer->UpdateEnabled();
    }
    UpdateInside(*child, property);
  }
}

ChildPeer* FormPeer::PeerOf(HWND window) const {
  if (window == nullptr)
    return nullptr;
  for (const auto& peer : peers_)
    if (peer->Handle() == window)
      return peer.get();
  return nullptr;
}

void FormPeer::FocusTakenAway(HWND control) {
  focusToGiveBack_ = control;
  lastFocus_ = control;
}

void FormPeer::FocusGivenBack(HWND control) {
  if (control != focusToGiveBack_)
    return;
  focusToGiveBack_ = nullptr;
  HWND focus = GetFocus();
  if (GetActiveWindow() == hwnd_ && (focus == nullptr || focus == hwnd_))
    ::SetFocus(control);
}

void FormPeer::TellModelWindowSize() {
  RECT outer{};
  RECT client{};
  if (!GetWindowRect(hwnd_, &outer) || !GetClientRect(hwnd_, &client))
    return;
  const Rect bounds{outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
  syncing_ = true;
  Dispatch([&] {
    // The frame's real extents first: a frame unlike the assumed one is not
    // a resize by the user.
    if (!ready_)
      form_.SetFrameExtents(bounds.width - client.right, bounds.height - client.bottom);
    form_.WindowResized(bounds, client.right, client.bottom);
  });
  syncing_ = false;
}

void FormPeer::MoveToDpi(int dpi, const RECT& suggested) {
  // The model's own size is the system's guess until the window has its new
  // size: it is not echoed.
  syncing_ = true;
  Dispatch([&] { form_.SetPixelsPerInch(dpi); });
  syncing_ = false;
  for (const auto& peer : peers_)
    peer->DpiChanged();
  for (const int kind : {ICON_SMALL, ICON_BIG}) {
    HICON icon =
        LoadProgramIcon(SystemMetricForDpi(kind == ICON_BIG ? SM_CXICON : SM_CXSMICON, dpi));
    if (icon == nullptr)
      continue;
    SendMessageW(hwnd_, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    if (icons_[kind] != nullptr)
      DestroyIcon(icons_[kind]);
    icons_[kind] = icon;
  }
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormPeer::ShowWindowFirstTime() {
  if (hwnd_ == nullptr)
    return;
  if (!shownBefore_) {
    shownBefore_ = true;
    RECT window{};
    if (GetWindowRect(hwnd_, &window)) {
      const POINT centred = CentredOrigin(window);
      if (centred.x != window.left || centred.y != window.top)
        SetWindowPos(hwnd_, nullptr, centred.x, centred.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (!IsWindowVisible(hwnd_))
    ShowWindow(hwnd_, SW_SHOW);
  // A timer comes after the window's painting; without one the hints come now.
  if (tooltips_ == nullptr && SetTimer(hwnd_, kTooltipsTimer, USER_TIMER_MINIMUM, nullptr) == 0)
    CreateTooltips();
}

void FormPeer::CreateTooltips() {
  KillTimer(hwnd_, kTooltipsTimer);
  if (tooltips_ != nullptr)
    return;
  tooltips_ = std::make_unique<Tooltips>(hwnd_);
  for (const auto& peer : peers_)
    peer->UpdateHint();
}

void FormPeer::FocusFirstControl() {
  for (Control* control : FocusOrder(form_)) {
    auto* peer = static_cast<ChildPeer*>(control->Peer());
    if (peer != nullptr && peer->Handle() != nullptr && ShownOf(*control) && EnabledOf(*control)) {
      ::SetFocus(peer->Handle());
      return;
    }
  }
}

void FormPeer::Changed(Property property) {
  if (hwnd_ == nullptr || detached_)
    return;
  switch (property) {
    case Property::Caption:
      SetWindowTextW(hwnd_, Widen(form_.Caption()).c_str());
      break;
    case Property::Visible:
      if (form_.Visible())
        ShowWindowFirstTime();
      else
        ShowWindow(hwnd_, SW_HIDE);
      break;
    case Property::Bounds: {
      // The model asked for another size or place; the window's own moves
      // come back through WM_SIZE and are not echoed.
      if (syncing_ || !ready_)
        break;
      RECT outer{};
      GetWindowRect(hwnd_, &outer);
      const Rect& b = form_.Bounds();
      if (outer.left != b.left || outer.top != b.top || outer.right - outer.left != b.width ||
          outer.bottom - outer.top != b.height) {
        SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      }
      break;
    }
    default:
      break;
  }
}

void FormPeer::Repaint() {
  if (hwnd_ != nullptr)
    RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormPeer::SetFocus() {
  if (hwnd_ != nullptr)
    ::SetFocus(hwnd_);
}

bool FormPeer::Focused() const {
  HWND focus = GetFocus();
  return hwnd_ != nullptr && (focus == hwnd_ || IsChild(hwnd_, focus));
}

void FormPeer::BringToFront() {
  if (hwnd_ == nullptr || detached_)
    return;
  ShowWindowFirstTime();
  if (IsIconic(hwnd_))
    ShowWindow(hwnd_, SW_RESTORE);
  SetForegroundWindow(hwnd_);
  if (!Focused())
    FocusFirstControl();
}

void FormPeer::CloseWindow() {
  if (hwnd_ == nullptr || !IsWindow(hwnd_))
    return;
  // The owner of a modal window takes the activation back, not another program.
  if (HWND owner = GetWindow(hwnd_, GW_OWNER))
    EnableWindow(owner, TRUE);
  DestroyWindow(hwnd_);
}

void FormPeer::WindowDestroyed() {
  Detach();
  hwnd_ = nullptr;
}

LRESULT FormPeer::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0) {
        if (ChildPeer* peer = PeerOf(reinterpret_cast<HWND>(lParam)))
          peer->Command(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (ChildPeer* peer = PeerOf(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = peer->Colors(reinterpret_cast<HDC>(wParam)))
          return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_CONTEXTMENU:
      if (ChildPeer* peer = PeerOf(reinterpret_cast<HWND>(wParam));
          peer != nullptr && peer->Model().Popup() != nullptr) {
        ShowPopupMenu(peer->Model(), peer->Handle(), lParam);
        return 0;
      }
      break;
    case WM_SIZE:
      if (ready_ && wParam != SIZE_MINIMIZED)
        TellModelWindowSize();
      return 0;
    case WM_MOVE:
      if (ready_ && !IsIconic(hwnd_))
        TellModelWindowSize();
      return 0;
    case WM_DPICHANGED:
      if (ready_)
        MoveToDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ACTIVATE:
      // The focused control is remembered across a switch to another window.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (PeerOf(focus) != nullptr)
          lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) &&
          IsWindowEnabled(lastFocus_)) {
        ::SetFocus(lastFocus_);
      } else {
        FocusFirstControl();
      }
      return 0;
    case WM_TIMER:
      if (wParam == kTooltipsTimer) {
        CreateTooltips();
        return 0;
      }
      break;
    case WM_CLOSE:
      Dispatch([this] { form_.Close(); });
      return 0;
    case WM_DESTROY:
      if (quitOnDestroy_)
        PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return PassOn(hwnd_, message, wParam, lParam);
}

}  // namespace tolvane::win32
