// The merge tool from start to end: the options, then the legacy merge step by step (greeting,
// list file, run parameters, zone preparation, output name and banner, global scale factors,
// scaled assembly, symmetry merging and Rint) with what the run says of it, the reports and
// the exported files, and the farewell.
#pragma once

#include "common/command_line.hpp"
#include "merge/pipeline/merge_options.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

// The whole run with checked options; returns its exit status. A fatal error throws Fatal.
int run_merge(const Session& s, const CommandLine& cl, const MergeOptions& o);

// The main of a language build: TAV3eng with the English catalogue, TAV3 with the French one.
int merge_main(int argc, char** argv, const char* tool, const Messages& msg);

}  // namespace ped::merge
