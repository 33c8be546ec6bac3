#include "check.h"

#include "text.h"

namespace e2e {

namespace {
int failures = 0;
}

void Fail(std::string_view message) {
  ++failures;
  Print("  failed: " + std::string(message));
}

void Abort(std::string_view message) {
  Fail(message);
  throw CaseAborted{};
}

void ExpectEqual(std::string_view what, std::wstring_view expected, std::wstring_view got) {
  if (expected != got)
    Fail(std::string(what) + ": expected " + Quoted(expected) + ", got " + Quoted(got));
}

void ExpectEqual(std::string_view what, long long expected, long long got) {
  if (expected != got)
    Fail(std::string(what) + ": expected " + std::to_string(expected) + ", got " +
         std::to_string(got));
}

void ExpectText(std::string_view what, std::string_view expectedUtf8, std::wstring_view got) {
  ExpectEqual(what, Wide(expectedUtf8), got);
}

void ExpectTrue(std::string_view what, bool holds) {
  if (!holds)
    Fail("expected " + std::string(what));
}

void ExpectLines(std::string_view what, const std::vector<std::string_view>& expectedUtf8,
                 const std::vector<std::wstring>& got) {
  std::vector<std::wstring> expected;
  for (std::string_view line : expectedUtf8)
    expected.push_back(Wide(line));
  if (expected == got)
    return;
  auto list = [](const std::vector<std::wstring>& lines) {
    std::string text = "[";
    for (std::size_t i = 0; i < lines.size(); ++i)
      text += (i ? ", " : "") + Quoted(lines[i]);
    return text + "]";
  };
  Fail(std::string(what) + ": expected " + list(expected) + ", got " + list(got));
}

int FailureCount() {
  return failures;
}
void ResetFailures() {
  failures = 0;
}

}  // namespace e2e
