// The merge tool from start to end: greeting, list file, run parameters, zone preparation,
// output name and parameter banner, global scale factors, scaled assembly, symmetry merging
// and Rint.
#pragma once

#include <string>
#include <vector>

#include "session.hpp"

namespace ped {

// Runs the merge with the command-line arguments `args` (args[0] is the program).
// Returns 0 on a normal end and -1 on a fatal error (already reported through `error`).
int run_merge(const Session& s, const std::vector<std::string>& args);

}  // namespace ped
