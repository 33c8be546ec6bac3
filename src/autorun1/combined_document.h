// Sections of a combined description document: a section runs from the line
// after a heading "//" + the entry's number to the line before the next line
// that begins with "//".
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// The lines of every section numbered `entry`, in document order. The last
// line of the document takes part like any other.
std::vector<std::string> CombinedDocumentSection(const std::vector<std::string>& lines, int entry);

}  // namespace tolvane
