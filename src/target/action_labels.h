// How the actions are labelled for a launcher entry's kind of target.
#pragma once

#include <string>
#include <string_view>

#include "target/target_kind.h"

namespace tolvane {

struct ActionLabels {
  std::string button1Caption;
  std::string button1Hint;
  std::string n2Caption;
  std::string listHint;  // programs and documents: decided by the target check
  std::string button4Hint;
};

// The labels of a target's kind; the folder button keeps its general hint
// where the kind names no folder of its own.
ActionLabels LabelsFor(EntryKind kind, std::string_view target);

}  // namespace tolvane
