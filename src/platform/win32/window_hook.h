// The one way the program takes a window's messages ahead of the window's own
// procedure, for the form, the splitter and the system's controls alike:
// comctl32's subclassing. No exception crosses into the system: whatever
// handling a message raises is shown by the standard error display.
#pragma once

#include "platform/win32/win32.h"

namespace tolvane {
class Application;
}  // namespace tolvane

namespace tolvane::win32 {

// The program's icon at a size, from the resource's image nearest to it.
HICON LoadProgramIcon(int size);

// Registers, once, a window class of the program whose own procedure is the
// system's default: its windows are handled through a WindowHook. With
// `programIcon`, the program's icon stands in its caption and task button.
bool RegisterHookedClass(const wchar_t* name, const wchar_t* cursor, bool programIcon);

class WindowHook {
 public:
  WindowHook(const WindowHook&) = delete;
  WindowHook& operator=(const WindowHook&) = delete;

 protected:
  explicit WindowHook(Application& app) : app_(app) {}
  ~WindowHook() { Unhook(); }

  // Takes the window's messages from now on (and no longer those of a window
  // hooked before); false when it cannot.
  bool Hook(HWND window);
  // The window's messages go straight to its own procedure again.
  void Unhook();

  // A message of the hooked window; PassOn hands it to the window's own
  // procedure.
  virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The window is being destroyed; it is no longer hooked.
  virtual void WindowDestroyed() {}
  static LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR data);

  Application& app_;
  HWND hooked_ = nullptr;
};

}  // namespace tolvane::win32
