#include "app/process.h"

#include "autorun1/form1.h"
#include "platform/platform.h"
#include "runtime/application.h"
#include "startup/option_scan.h"

namespace tolvane {

int RunLauncher(Platform& platform) {
  Application app(platform);
  app.SetTitle("Tolvane");
  // A parameter that cannot be read as written is shown, and nothing runs.
  std::vector<std::string> args;
  if (!app.Guard([&] { args = platform.Arguments(); }))
    return 0;
  std::vector<CommandOption> options = ReadCommandOptions(args);
  // Testing and creating the mutex in one call: two launchers started at the
  // same moment cannot both pass. A second one runs only for "/i:" or "/o:".
  if (platform.CreateInstanceMutex("Tolvane") && !AllowsSecondInstance(options)) {
    platform.CloseInstanceMutex();
    return 0;
  }

  {
    TForm1 form(app, std::move(options));
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
