// The RTF preparation keeps the document's text: read as plain text, the
// prepared document says what the original says, and raw double-byte
// characters never reach the control.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "runtime/rtf_text.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string rtf(reinterpret_cast<const char*>(data), size);
  const std::string prepared = PrepareRtfForControl(rtf);
  fuzz::Require(RtfPlainText(prepared) == RtfPlainText(rtf), "the preparation keeps the text");
  fuzz::Require(IsRtfDocument(prepared) == IsRtfDocument(rtf), "the preparation keeps the header");
  return 0;
}
