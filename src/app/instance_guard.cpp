#include "app/instance_guard.h"

#include "runtime/cp932_text.h"

namespace tolvane {

InstanceOptions ScanInstanceOptions(const std::vector<std::string>& args) {
  InstanceOptions options;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string stored = ShortString(args[i]);
    if (i <= kStoredParams)
      options.StartupParams[i - 1] = stored;
    const std::string prefix = stored.substr(0, 3);
    if (EqualsIgnoreCase(prefix, "/i:"))
      options.SecondInstanceAllowed = true;
    if (EqualsIgnoreCase(prefix, "/o:"))
      options.SecondInstanceAllowed = true;
  }
  return options;
}

}  // namespace tolvane
