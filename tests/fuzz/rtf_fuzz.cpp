// The RTF preparation keeps the document's text: read as plain text, the
// prepared document says what the original says, and raw double-byte
// characters never reach the control.
#include <fuzzer/FuzzedDataProvider.h>

#include <optional>

#include "fuzz_check.h"
#include "runtime/rtf_text.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string rtf(reinterpret_cast<const char*>(data), size);
  const std::string prepared = PrepareRtfForControl(rtf);
  // Where a reading without the control can name the text at all, it names
  // the same text in both.
  const std::optional<std::string> before = RtfPlainText(rtf);
  const std::optional<std::string> after = RtfPlainText(prepared);
  fuzz::Require(!before || !after || *before == *after, "the preparation keeps the text");
  fuzz::Require(RtfGroupDepth(prepared) <= RtfGroupDepth(PrepareRtfForControl(prepared)),
                "preparing twice nests no shallower");
  fuzz::Require(IsRtfDocument(prepared) == IsRtfDocument(rtf), "the preparation keeps the header");
  return 0;
}
