// The cell tool from start to end: greeting, file names, reading the merged file, the three
// questions, the scan of windows with their fits, the final report and the cell line.
#pragma once

#include "common/command_line.hpp"
#include "common/terminal.hpp"

namespace ped::cell {

// The tool has no options of its own.
struct CellOptions {};

// The whole run; returns its exit status (0). A fatal error throws Fatal.
int run_cell(const Terminal& t, const CommandLine& cl, const CellOptions&);

}  // namespace ped::cell
