// The keys the window handles for its controls: Tab between controls,
// Alt + letter for buttons and check boxes, and the list's menu shortcuts.
#include <cwctype>

#include "platform/win32/child_peer.h"
#include "platform/win32/form_peer.h"
#include "runtime/controls.h"
#include "runtime/focus_order.h"
#include "runtime/form.h"

namespace tolvane::win32 {

namespace {

bool KeyHeld(int key) {
  return GetKeyState(key) < 0;
}

// The letter after "&" in a caption ("&&" is an ampersand), lower case; 0 for none.
wchar_t MnemonicOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&')
      continue;
    // "&" is never the trail byte of a double-byte character.
    const auto next = static_cast<unsigned char>(caption[i + 1]);
    if (next == '&') {
      ++i;
      continue;
    }
    if (next < 0x80)
      return static_cast<wchar_t>(std::towlower(next));
    return 0;
  }
  return 0;
}

}  // namespace

bool FormPeer::TranslateKeys(const MSG& msg) {
  if (detached_ || hwnd_ == nullptr)
    return false;
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam == VK_TAB && !KeyHeld(VK_CONTROL) && !KeyHeld(VK_MENU))
        return MoveFocus(msg.hwnd, KeyHeld(VK_SHIFT));
      if (msg.wParam == VK_RETURN)
        return PressFocusedButton(msg);
      return ClickShortcut(msg);
    case WM_SYSKEYDOWN: {
      // Alt with a letter or digit; F10 also arrives here, without Alt.
      const bool alt = (msg.lParam & (1 << 29)) != 0;
      const auto key = static_cast<wchar_t>(msg.wParam);
      if (alt && ((key >= L'A' && key <= L'Z') || (key >= L'0' && key <= L'9')))
        return PressMnemonic(static_cast<wchar_t>(std::towlower(key)));
      return false;
    }
    case WM_SYSCHAR:
      return PressMnemonic(static_cast<wchar_t>(std::towlower(static_cast<wint_t>(msg.wParam))));
    default:
      return false;
  }
}

bool FormPeer::MoveFocus(HWND from, bool backwards) {
  std::vector<ChildPeer*> stops;
  for (Control* control : FocusOrder(form_)) {
    auto* peer = static_cast<ChildPeer*>(control->Peer());
    if (peer != nullptr && peer->Handle() != nullptr && ShownOf(*control) && EnabledOf(*control))
      stops.push_back(peer);
  }
  if (stops.empty())
    return false;
  const int count = static_cast<int>(stops.size());
  int current = -1;
  for (int i = 0; i < count; ++i)
    if (stops[i]->Handle() == from || stops[i]->Handle() == GetFocus())
      current = i;
  int next = 0;
  if (current < 0)
    next = backwards ? count - 1 : 0;
  else
    next = (current + (backwards ? count - 1 : 1)) % count;
  ::SetFocus(stops[next]->Handle());
  return true;
}

bool FormPeer::PressMnemonic(wchar_t letter) {
  if (letter == 0)
    return false;
  for (const auto& peer : peers_) {
    Control& control = peer->Model();
    const bool button = control.Kind() == ControlKind::Button;
    auto* box =
        control.Kind() == ControlKind::CheckBox ? static_cast<CheckBox*>(&control) : nullptr;
    if ((!button && box == nullptr) || peer->Handle() == nullptr)
      continue;
    if (!ShownOf(control) || !EnabledOf(control) || MnemonicOf(control.Caption()) != letter)
      continue;
    if (box != nullptr) {
      // As in a dialog: the check box takes the focus and changes its state.
      ::SetFocus(peer->Handle());
      Dispatch([box] { box->SetChecked(!box->Checked()); });
    } else {
      Raise(control.OnClick, control);
    }
    return true;
  }
  return false;
}

bool FormPeer::PressFocusedButton(const MSG& msg) {
  // Enter presses the focused push button, as in a dialog.
  if (KeyHeld(VK_CONTROL) || KeyHeld(VK_SHIFT) || KeyHeld(VK_MENU))
    return false;
  ChildPeer* peer = PeerOf(msg.hwnd);
  if (peer == nullptr || peer->Model().Kind() != ControlKind::Button)
    return false;
  Control& button = peer->Model();
  Raise(button.OnClick, button);
  return true;
}

bool FormPeer::ClickShortcut(const MSG& msg) {
  // Only the launcher list answers its menu's shortcuts, menu open or not.
  if (!KeyHeld(VK_CONTROL) || KeyHeld(VK_SHIFT) || KeyHeld(VK_MENU))
    return false;
  ChildPeer* peer = PeerOf(msg.hwnd);
  if (peer == nullptr || peer->Model().Kind() != ControlKind::ListBox)
    return false;
  Control& list = peer->Model();
  if (list.Popup() == nullptr)
    return false;
  MenuItem* item = list.Popup()->FindShortcut(static_cast<unsigned short>(0x4000 + msg.wParam));
  if (item == nullptr)
    return false;
  Dispatch([item, &list] { item->Click(list); });
  return true;
}

}  // namespace tolvane::win32
