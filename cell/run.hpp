// The cell tool from start to end: greeting, file names, reading the merged file, the three
// questions, the scan of windows with their fits, the final report and the cell line.
#pragma once

#include <string>
#include <vector>

#include "terminal.hpp"

namespace ped::cell {

// Runs the tool with the command-line arguments `args` (args[0] is the program). Returns 0 at
// the end of the scan and -1 after a fatal error (already reported through `error`).
int run_cell(const Terminal& t, const std::vector<std::string>& args);

}  // namespace ped::cell
