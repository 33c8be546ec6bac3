// A form shown modally: its owner takes no input until the form has closed.
#include <algorithm>

#include "platform/win32/form_peer.h"
#include "platform/win32/win32_platform.h"
#include "runtime/form.h"

namespace tolvane::win32 {

void Win32Platform::RunModal(Form& form) {
  const auto found = std::find_if(forms_.begin(), forms_.end(),
                                  [&form](const auto& peer) { return &peer->Model() == &form; });
  if (found == forms_.end() || (*found)->Handle() == nullptr)
    return;
  const HWND window = (*found)->Handle();
  const HWND owner = GetWindow(window, GW_OWNER);
  if (owner != nullptr)
    EnableWindow(owner, FALSE);
  form.Show();
  Application& app = form.App();
  MSG msg;
  // Closing destroys the window, which ends the run.
  while (IsWindow(window) && !app.Terminated()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The main loop must still see the end.
      if (got == 0)
        PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    DispatchOne(msg);
  }
  if (owner != nullptr && IsWindow(owner)) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
  // A closed form's peer has let go of its model and has nothing left to do.
  forms_.erase(std::remove_if(forms_.begin(), forms_.end(),
                              [](const auto& peer) { return peer->Handle() == nullptr; }),
               forms_.end());
}

}  // namespace tolvane::win32
