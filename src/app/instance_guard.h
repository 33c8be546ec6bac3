// The single-instance guard: a second launcher may run only for "/i:" or "/o:".
#pragma once

#include <array>
#include <string>
#include <vector>

namespace tolvane {

inline constexpr int kStoredParams = 10;
inline constexpr const char* kInstanceMutexName = "Tolvane";

struct InstanceOptions {
  std::array<std::string, kStoredParams> StartupParams;  // slot i at index i - 1
  bool SecondInstanceAllowed = false;
};

// Tests every parameter (element 0, the program name, is skipped); the first
// ten are stored, cut at 255 bytes.
InstanceOptions ScanInstanceOptions(const std::vector<std::string>& args);

}  // namespace tolvane
