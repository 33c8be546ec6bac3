// Checking a disc: the launcher's real start-up, every line selected in turn
// and the About box opened, on a folder that stands for the disc.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "check/disc_report.h"

namespace tolvane::check {

// `parameters` are the launcher's command-line parameters, code page 932.
DiscReport CheckDisc(const std::filesystem::path& disc, const std::vector<std::string>& parameters);

}  // namespace tolvane::check
