// A target's action as a report prints it: its kind and fields by name.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "target/target_action.h"

namespace tolvane {

// The kind's name: "program", "web address", "restart", ...
std::string_view KindName(EntryKind kind);
std::string_view RefusalName(RunRefusal refusal);

// The value as named fields in a fixed order, code page 932 text.
std::vector<std::pair<std::string, std::string>> ActionFields(const TargetAction& action);

}  // namespace tolvane
