#include "probe_log.h"

#include "check.h"
#include "text.h"
#include "windows_of.h"

namespace e2e {

namespace {

std::wstring LogOf(const std::wstring& probePath) {
  return probePath.substr(0, probePath.size() - 4) + L".log";  // "probe.exe" -> "probe.log"
}

// The command line after its program name (quoted or not) and one blank.
std::wstring ParametersOf(std::wstring_view commandLine) {
  std::size_t end = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    end = commandLine.find(L'"', 1);
    end = end == std::wstring_view::npos ? commandLine.size() : end + 1;
  } else {
    end = std::min(commandLine.find(L' '), commandLine.size());
  }
  if (end < commandLine.size() && commandLine[end] == L' ')
    ++end;
  return std::wstring(commandLine.substr(end));
}

}  // namespace

DiscFile ProbeFile(std::string name) {
  const std::wstring probe = DriverFolder() + L"\\probe.exe";
  std::optional<std::string> bytes = ReadWholeFile(probe);
  if (!bytes)
    Abort("cannot read " + Utf8(probe));
  return {std::move(name), std::move(*bytes)};
}

bool ProbeRan(const std::wstring& probePath) {
  return GetFileAttributesW(LogOf(probePath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<ProbeRun> WaitForProbeRun(const std::wstring& probePath, DWORD timeoutMs) {
  std::optional<ProbeRun> run;
  WaitUntil(timeoutMs, [&] {
    const std::optional<std::string> log = ReadWholeFile(LogOf(probePath));
    if (!log)
      return false;
    const std::size_t first = log->find('\n');
    const std::size_t second = first == std::string::npos ? first : log->find('\n', first + 1);
    if (second == std::string::npos)
      return false;  // still being written
    run = ProbeRun{ParametersOf(Wide(log->substr(0, first))),
                   Wide(log->substr(first + 1, second - first - 1))};
    return true;
  });
  return run;
}

}  // namespace e2e
