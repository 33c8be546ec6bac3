// The native side of one control: a child window of the form's window.
#pragma once

#include <string_view>

#include "platform/win32/win32.h"
#include "platform/win32/window_hook.h"
#include "runtime/control.h"

namespace tolvane::win32 {

class FormPeer;

class ChildPeer : public ControlPeer, protected WindowHook {
 public:
  ChildPeer(FormPeer& owner, Control& control);
  ~ChildPeer() override;
  ChildPeer(const ChildPeer&) = delete;
  ChildPeer& operator=(const ChildPeer&) = delete;

  // Creates the window (none for a control that has no window of its own).
  virtual void Create() = 0;
  // Mirrors the whole state of the model once, after creation.
  void SyncAll();

  HWND Handle() const { return hwnd_; }
  Control& Model() const { return control_; }

  // A notification (WM_COMMAND) that the control sent to its parent.
  virtual void Command(UINT /*code*/) {}
  // The colours of a static or button control (WM_CTLCOLOR...); nullptr
  // leaves them to the system.
  virtual HBRUSH Colors(HDC /*dc*/) { return nullptr; }
  // Stops sending events to the model: it or the window is going away.
  virtual void Detach();

  // The window follows its place, visibility and state in the model; a
  // hidden one takes its place and caption when it is shown.
  void Place();
  virtual void UpdateShown();
  void UpdateEnabled();
  // The hint follows the control: its own tool, and the window's tool for
  // its place while it is disabled.
  void UpdateHint();
  // The window moved to a screen of another density: the font is made anew
  // for it.
  virtual void DpiChanged() { ApplyFont(); }

  void Changed(Property property) override;
  void Repaint() override;
  void SetFocus() override;
  bool Focused() const override;

 protected:
  // Creates the window at the control's place, visible and enabled as the
  // model says, above the windows created before it.
  bool CreateChildWindow(const wchar_t* className, DWORD style, DWORD exStyle = 0);
  // Properties that only some kinds of control have.
  virtual void Apply(Property /*property*/) {}
  virtual void ApplyFont();
  // The window's messages come to HandleMessage first.
  void HookMessages() { Hook(hwnd_); }
  // A message of a hooked control: raises the model's key events and opens
  // its popup menu.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // Text and background of static-like controls in the model's colours.
  HBRUSH ModelColors(HDC dc);

  FormPeer& owner_;
  Control& control_;
  HWND hwnd_ = nullptr;
  bool detached_ = false;

 private:
  void ShowCaption();
  LRESULT RaiseKeyEvent(const KeyEvent& event, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam);
  LRESULT RaiseKeyPress(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  bool placePending_ = false;
  bool captionPending_ = false;
};

}  // namespace tolvane::win32
