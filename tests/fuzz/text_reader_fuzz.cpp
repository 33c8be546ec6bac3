// The line reader: every line is free of line breaks and within its limit,
// and every read moves on, so a file always ends.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "runtime/text_reader.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::size_t limit = input.ConsumeIntegralInRange<std::size_t>(0, 300);
  const std::string bytes = input.ConsumeRemainingBytesAsString();
  TextReader reader(bytes);
  std::size_t lines = 0;
  while (!reader.SkipBlanksToEnd()) {
    const std::string line = reader.ReadLine(limit);
    fuzz::Require(!fuzz::HasLineBreak(line), "a line holds no CR or LF");
    fuzz::Require(line.size() <= limit, "a line keeps at most its limit");
    fuzz::Require(line.find('\x1A') == std::string::npos, "nothing is read after a byte 0x1A");
    fuzz::Require(++lines <= bytes.size(), "every line read moves on");
  }
  return 0;
}
