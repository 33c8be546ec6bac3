#include "app/process.h"

#include "app/instance_guard.h"
#include "autorun1/form1.h"
#include "platform/platform.h"
#include "runtime/application.h"

namespace tolvane {

int RunLauncher(Platform& platform) {
  Application app(platform);
  app.SetTitle("Tolvane");
  // A parameter that cannot be read as written is shown, and nothing runs.
  std::vector<std::string> args;
  if (!app.Guard([&] { args = platform.Arguments(); }))
    return 0;
  const InstanceOptions options = ScanInstanceOptions(args);
  // Testing and creating the mutex in one call: two launchers started at the
  // same moment cannot both pass.
  if (platform.CreateInstanceMutex(kInstanceMutexName) && !options.SecondInstanceAllowed) {
    platform.CloseInstanceMutex();
    return 0;
  }

  {
    TForm1 form(app, args);
    platform.CreateNativeWindow(form);
    // A start-up that raised has shown its error; the window was never shown,
    // so the process ends rather than wait for a window nobody can close.
    if (app.Guard([&form] { form.FormCreate(); }) && !app.Terminated())
      platform.RunMessageLoop();
  }
  platform.ReleaseInstanceMutex();
  return 0;
}

}  // namespace tolvane
