// The report for a person (text) and for scripts (JSON), both UTF-8.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "check/disc_report.h"

namespace tolvane::check {

void WriteTextReport(const DiscReport& report, std::ostream& out);
// The same content as one JSON object; its field names stay as they are.
void WriteJsonReport(const DiscReport& report, std::ostream& out);

// "error", "warning", "note".
std::string_view SeverityName(Severity severity);
// A message box's icon and buttons, as a report names them: "error icon, OK".
std::string MessageStyleName(unsigned style);

}  // namespace tolvane::check
