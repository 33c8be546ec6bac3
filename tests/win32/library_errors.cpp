// The library's own errors, raised in a handler of a program built like
// tolvane.exe (its runtime replacements, compile and link options), reach the
// standard error display with the library's message. The unit tests cannot
// show it: there the library raises its standard types.
// Run under Wine; prints each row and exits non-zero when one fails.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "runtime/application.h"
#include "support/fake_platform.h"

namespace {

using tolvane::testing::ShownMessage;

// A size the compiler cannot see, so that it neither warns nor folds the call.
volatile std::size_t huge = SIZE_MAX;

const struct {
  const char* name;
  void (*raise)();
  const char* shown;
} kRows[] = {
    {"substring past the end", [] { (void)std::string("abc").substr(4); },
     "basic_string::substr: __pos (which is 4) > this->size() (which is 3)."},
    {"string too long", [] { std::string().reserve(std::string().max_size() + 1); },
     "basic_string::_M_create."},
    {"allocation over the limit", [] { (void)std::allocator<int>().allocate(huge / 4); },
     "Out of memory."},
    {"array length past the address space", [] { (void)std::allocator<int>().allocate(huge); },
     "Out of memory."},
};

}  // namespace

int main() {
  // A row whose error ends the process still leaves its name.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  bool failed = false;
  for (const auto& row : kRows) {
    std::printf("%s: ", row.name);
    tolvane::testing::FakePlatform platform;
    tolvane::Application app(platform);
    app.SetTitle("Tolvane");
    app.Guard(row.raise);
    const auto& shown = platform.messages;
    if (shown.size() == 1 && shown[0] == ShownMessage{row.shown, "Tolvane", 0x10}) {
      std::printf("ok\n");
      continue;
    }
    std::printf("expected \"%s\", got \"%s\"\n", row.shown,
                shown.empty() ? "no message" : shown[0].text.c_str());
    failed = true;
  }
  return failed ? 1 : 0;
}
