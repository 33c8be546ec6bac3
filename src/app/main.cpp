// The Windows program's entry point; the platform sets up the process's
// safety settings before anything else runs.
#include "app/process.h"
#include "platform/platform.h"

int main() {
  auto platform = tolvane::CreateWin32Platform();
  return tolvane::RunLauncher(*platform);
}
