// The merge tool from start to end: greeting, list file, run parameters, zone preparation,
// output name and parameter banner, global scale factors, scaled assembly, symmetry merging
// and Rint.
#pragma once

#include <vector>

#include "common/command_line.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

// The options of the merge tool (read by symmetry_options, report_options, take_match_mode
// and export_options).
const std::vector<OptionSpec>& merge_options();

// The whole run; a fatal error throws Fatal after `error` has reported it.
void run_merge(const Session& s, const CommandLine& cl);

// The main of a language build: TAV3eng with the English catalogue, TAV3 with the French one.
int merge_main(int argc, char** argv, const char* tool, const Messages& msg);

}  // namespace ped::merge
