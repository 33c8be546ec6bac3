// The command-line split: no parameter holds a quote, a parameter holds a
// blank only where a quoted stretch gave it one, and nothing is invented.
#include "app/command_line.h"
#include "fuzz_check.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> words = SplitCommandLine(line);
  const bool quoted = line.find('"') != std::string::npos;
  std::size_t total = 0;
  for (const std::string& word : words) {
    fuzz::Require(word.find('"') == std::string::npos, "the quotes are dropped");
    fuzz::Require(quoted || !word.empty(), "only quotes make an empty parameter");
    if (!quoted)
      for (char c : word)
        fuzz::Require(static_cast<unsigned char>(c) > ' ', "unquoted, a blank separates");
    total += word.size();
  }
  fuzz::Require(total <= line.size(), "no parameter bytes are invented");
  return 0;
}
