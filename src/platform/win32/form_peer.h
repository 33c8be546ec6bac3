// The native window of a form: a top-level window whose controls are all its
// direct children, as in a dialog, whatever their parents in the model.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/tooltips.h"
#include "platform/win32/win32.h"
#include "platform/win32/window_hook.h"
#include "runtime/control.h"

namespace tolvane {
class Application;
class Form;
}  // namespace tolvane

namespace tolvane::win32 {

class ChildPeer;

class FormPeer final : public ControlPeer, private WindowHook {
 public:
  FormPeer(Form& form, GdiObjects& gdi, std::wstring richEditClass);
  ~FormPeer() override;
  FormPeer(const FormPeer&) = delete;
  FormPeer& operator=(const FormPeer&) = delete;

  // Creates the window hidden, and the windows of the controls.
  void Create(HWND owner);

  HWND Handle() const { return hwnd_; }
  Form& Model() const { return form_; }
  GdiObjects& Gdi() const { return gdi_; }
  // None before the window's first painting.
  Tooltips* Tips() const { return tooltips_.get(); }
  // The hints' tooltip window, made once the window has been seen, with the
  // hint of every control. Dropping it forgets them all; false if there was none.
  void CreateTooltips();
  bool DropTooltips() {
    const bool had = tooltips_ != nullptr;
    tooltips_.reset();
    return had;
  }
  const std::wstring& RichEditClass() const { return richEditClass_; }

  // Runs an event handler of the model; an error it raises is shown by the
  // standard error display. False when it raised.
  bool Dispatch(Callback<void()> handler) const;
  // Raises a control's event, such as its click, with it as the sender:
  // through Dispatch, and only when a handler is bound.
  void Raise(const NotifyEvent& event, Control& sender) const;

  // Where a control lies in the window's client area: its bounds moved by
  // the offsets of the containers it is in.
  Rect PlaceOf(const Control& control) const;
  // Shown when it and every container it is in are visible.
  bool ShownOf(const Control& control) const;
  bool EnabledOf(const Control& control) const;
  // A container moved, was hidden or disabled: so were the windows inside it.
  void UpdateInside(const Control& container, Property property);

  // A control lost the focus because it was disabled; it gets it back when
  // it is enabled again while the window is active and nothing else took it.
  void FocusTakenAway(HWND control);
  void FocusGivenBack(HWND control);

  ChildPeer* PeerOf(HWND window) const;

  // The program's own keys for the controls of this window, before the
  // control sees them; true when the message was used up.
  bool TranslateKeys(const MSG& msg);

  // Opens a control's popup menu where WM_CONTEXTMENU's `where` says (the
  // screen point of a right click, or -1 for the keyboard's menu key: the
  // control's top left) and runs the chosen item.
  void ShowPopupMenu(Control& control, HWND window, LPARAM where);

  // ControlPeer: the window itself.
  void Changed(Property property) override;
  void Repaint() override;
  void SetFocus() override;
  bool Focused() const override;
  void BringToFront() override;
  void CloseWindow() override;

 private:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void WindowDestroyed() override;
  void CreatePeers(Control& parent);
  void TellModelWindowSize();
  // The window was moved to a screen of another density: the model places
  // its controls for it, fonts and icons are made anew, and the window takes
  // the place the system suggests.
  void MoveToDpi(int dpi, const RECT& suggested);
  void ShowWindowFirstTime();
  void FocusFirstControl();
  bool MoveFocus(HWND from, bool backwards);
  bool PressMnemonic(wchar_t letter);
  bool PressFocusedButton(const MSG& msg);
  bool ClickShortcut(const MSG& msg);
  // Forgets the model: the window outlives it or is going away.
  void Detach();

  Form& form_;
  GdiObjects& gdi_;
  std::wstring richEditClass_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<Tooltips> tooltips_;
  std::vector<std::unique_ptr<ChildPeer>> peers_;
  // By ICON_SMALL and ICON_BIG: the caption's and the task bar's icons once
  // the window left the density its class's icons were made for.
  HICON icons_[2] = {};
  HWND lastFocus_ = nullptr;
  HWND focusToGiveBack_ = nullptr;
  bool ready_ = false;
  bool quitOnDestroy_ = false;
  bool shownBefore_ = false;
  bool syncing_ = false;
  bool detached_ = false;
};

}  // namespace tolvane::win32
