// Recording the failures of the running case. A failed expectation is
// reported as "what: expected X, got Y" and the case goes on; Abort ends the
// case where going on makes no sense (no window to read).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

struct CaseAborted {};

void Fail(std::string_view message);
[[noreturn]] void Abort(std::string_view message);

void ExpectEqual(std::string_view what, std::wstring_view expected, std::wstring_view got);
void ExpectEqual(std::string_view what, long long expected, long long got);
// The expected text given as a UTF-8 literal.
void ExpectText(std::string_view what, std::string_view expectedUtf8, std::wstring_view got);
// Reported as "expected <what>".
void ExpectTrue(std::string_view what, bool holds);
void ExpectLines(std::string_view what, const std::vector<std::string_view>& expectedUtf8,
                 const std::vector<std::wstring>& got);

int FailureCount();
void ResetFailures();

}  // namespace e2e
