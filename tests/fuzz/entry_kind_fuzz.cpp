// The classification of a target: the file part is the start of the target,
// a "?" word is a system action, and every kind gets its labels.
#include "fuzz_check.h"
#include "target/action_labels.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string target(reinterpret_cast<const char*>(data), size);
  const EntryKind kind = ClassifyTarget(target);
  fuzz::Require(IsSystemActionKind(kind) == (!target.empty() && target[0] == '?'),
                "a system action is exactly a target beginning with ?");
  fuzz::Require(!(IsSystemActionKind(kind) && IsAddressKind(kind)), "one kind at a time");
  const std::string file = TargetFileOf(target);
  fuzz::Require(target.compare(0, file.size(), file) == 0, "the file part starts the target");
  if (kind == EntryKind::Program)
    fuzz::Require(IsProgramFile(file), "a program's file is a program file");
  const ActionLabels labels = LabelsFor(kind, target);
  fuzz::Require(!labels.button1Caption.empty(), "Button1 has a caption");
  return 0;
}
