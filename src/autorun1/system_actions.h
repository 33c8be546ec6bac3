// Log off, restart and power off: what the confirmation calls them and what
// the system is asked for.
#pragma once

#include <string>

#include "menu/selection_state.h"
#include "menu/target_kind.h"

namespace tolvane {

class Platform;

// ExitWindowsEx flags for the requested action: log off 0, restart 2, power
// off 9. Never the forcing flag.
unsigned ExitWindowsFlags(const TargetKindState& request);

// The system's text for the calling thread's last error (possibly empty).
std::string LastErrorText(Platform& platform);

}  // namespace tolvane
