// Placeholder expansion and the "%param%" split: a short string stays within
// 255 bytes, and the split gives back the text it was made from.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "runtime/cp932_text.h"
#include "startup/placeholders.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string text = input.ConsumeRemainingBytesAsString();
  const StartupFolders folders = fuzz::SampleFolders();

  fuzz::Require(ExpandMenuPlaceholders(text, folders, TextLimit::ShortString).size() <= 255,
                "a short string stays within 255 bytes");
  const std::string open = ExpandOpenPlaceholders(text, folders);
  ExpandMenuPlaceholders(text, folders, TextLimit::None);

  const FileAndParams split = SplitAtParam(open);
  const std::size_t at = FindIgnoreCase(open, "%param%");
  if (at == std::string::npos) {
    fuzz::Require(split.file == open && split.params.empty(), "no %param%: the file is the text");
  } else {
    fuzz::Require(open.compare(0, split.file.size(), split.file) == 0,
                  "the file is what precedes %param%");
    fuzz::Require(split.file.size() + (at == 0 ? 0 : 1) == at,
                  "the file lacks only the separating character");
    fuzz::Require(open.substr(at + 7) == split.params, "the parameters follow %param%");
  }
  return 0;
}
