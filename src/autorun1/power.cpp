// Power actions: the shutdown privilege where the system has privileges, and
// exactly one exit request, whatever the privilege steps gave.
#include "autorun1/form1.h"
#include "platform/platform.h"

namespace tolvane {

namespace {

// The system's text for the calling thread's last error (possibly empty).
std::string LastErrorText(Platform& platform) {
  return platform.SystemErrorText(platform.LastError());
}

}  // namespace

void TForm1::DoShutDown(EntryKind kind) {
  Platform& p = platform();
  const unsigned flags = ExitWindowsFlags(kind);
  auto show = [&](const std::string& text) { p.MessageBox(text, App().Title(), mb::kOk); };
  // A failed step is reported and the request is made all the same: the
  // system itself decides whether it may be done.
  if (p.PlatformId() == kPlatformNt) {
    if (!p.OpenOwnProcessToken()) {
      show("Cannot open process token. [" + LastErrorText(p) + "]");
    } else {
      if (!p.LookupShutdownPrivilege())
        show("Cannot find privilege value. [" + LastErrorText(p) + "]");
      else if (p.AdjustShutdownPrivilege() != 0)
        show("Error adjusting process privileges.");
      p.CloseOwnProcessToken();
    }
  }
  p.ExitWindows(flags);
}

void TForm1::ConfirmSystemAction(EntryKind kind) {
  // Only a confirmed log off, restart or power off ever reaches the system.
  const std::string name = SystemActionNameOf(kind);
  if (name.empty())
    return;
  if (platform().MessageBox(name + "してよろしいですか？", name,
                            mb::kYesNo | mb::kIconInformation) == mb::kIdYes)
    DoShutDown(kind);
}

}  // namespace tolvane
