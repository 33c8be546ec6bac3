// The probe program on a fixture disc, and what it recorded when started.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "fixture_disc.h"

namespace e2e {

// probe.exe from the driver's folder, to be written on a disc as `name`.
DiscFile ProbeFile(std::string name);

struct ProbeRun {
  std::wstring parameters;  // the command line after the program and one blank
  std::wstring folder;      // its current folder
};

// The first run recorded in the probe's log (beside the probe, named like it
// with ".log"), waiting for it up to the time; nullopt when none came.
std::optional<ProbeRun> WaitForProbeRun(const std::wstring& probePath, DWORD timeoutMs);

// Whether the probe recorded any run (without waiting).
bool ProbeRan(const std::wstring& probePath);

}  // namespace e2e
