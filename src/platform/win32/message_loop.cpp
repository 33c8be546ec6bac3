// The message loop and the processing of pending messages inside handlers.
#include "platform/win32/form_peer.h"
#include "platform/win32/win32_platform.h"
#include "runtime/form.h"

namespace tolvane::win32 {

bool Win32Platform::TranslateFormKeys(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || msg.hwnd == nullptr)
    return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  for (const auto& form : forms_)
    if (form->Handle() != nullptr && form->Handle() == root)
      return form->TranslateKeys(msg);
  return false;
}

void Win32Platform::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The main loop must still see it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    DispatchOne(msg);
  }
}

void Win32Platform::DispatchOne(MSG& msg) {
  if (TranslateFormKeys(msg))
    return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32Platform::RunMessageLoop() {
  if (forms_.empty())
    return;
  FormPeer& main = *forms_.front();
  Application& app = main.Model().App();
  // A start-up that ended the program, or a window that never opened, leaves
  // nothing to wait for.
  if (app.Terminated() || main.Handle() == nullptr || !main.Model().Shown())
    return;
  MSG msg;
  while (!app.Terminated() && GetMessageW(&msg, nullptr, 0, 0) > 0)
    DispatchOne(msg);
}

}  // namespace tolvane::win32
