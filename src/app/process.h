// app/: the process from its command line to the end of its message loop.
//
// The process's entry sequence, from the command line to the end of the
// message loop.
#pragma once

namespace tolvane {

class Platform;

// Returns the exit code.
int RunLauncher(Platform& platform);

}  // namespace tolvane
