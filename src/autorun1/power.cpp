// Power actions: the shutdown privilege where the system has privileges, and
// exactly one exit request, whatever the privilege steps gave.
#include "autorun1/form1.h"
#include "autorun1/system_actions.h"
#include "platform/platform.h"

namespace tolvane {

unsigned ExitWindowsFlags(const TargetKindState& request) {
  unsigned flags = request.RebootRequested ? ewx::kReboot : ewx::kShutdown;
  if (request.PowerOffRequested && !request.RebootRequested)
    flags |= ewx::kPowerOff;
  if (request.LogoffRequested)
    flags &= ~(ewx::kShutdown | ewx::kReboot | ewx::kPowerOff);
  return flags;
}

std::string LastErrorText(Platform& platform) {
  return platform.SystemErrorText(platform.LastError());
}

void TForm1::DoShutDown() {
  DoShutDown(Selection);
}

void TForm1::DoShutDown(const TargetKindState& request) {
  Platform& p = platform();
  const unsigned flags = ExitWindowsFlags(request);
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

void TForm1::ConfirmSystemAction(const TargetKindState& request) {
  const std::string& name = request.SystemActionName;
  if (platform().MessageBox(name + "してよろしいですか？", name,
                            mb::kYesNo | mb::kIconInformation) == mb::kIdYes)
    DoShutDown(request);
}

}  // namespace tolvane
