// The report page <out>_report.html (--html): one self-contained file that a browser opens
// without fetching anything and without script. It shows the run (parameters, space group,
// files written), the zones (counts and scale factors, the factors as bar charts with error
// bars), the zone-to-zone comparisons as a matrix coloured by verdict, the statistics by
// shell as plots (with --stats) and the absences by condition. The page is UTF-8: the
// catalogue's Latin-1 letters and names that are not UTF-8 are converted.
#pragma once

#include <string>
#include <vector>

#include "merge/pipeline/merge_run.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

inline constexpr const char* kReportPage = "_report.html";

// Writes the page; `candidates` are the other files the run may have written, the page lists
// those that exist. A page that cannot be written completely is fatal.
void write_report_page(const Session& s, const MergeRun& run,
                       const std::vector<std::string>& candidates);

}  // namespace ped::merge
