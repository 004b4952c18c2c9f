// The cell tool from start to end: greeting, file names, reading the merged file, the three
// questions, the scan of windows with their fits, the final report and the cell line.
#pragma once

#include "common/command_line.hpp"
#include "common/terminal.hpp"

namespace ped::cell {

// The whole run; a fatal error throws Fatal after `error` has reported it.
void run_cell(const Terminal& t, const CommandLine& cl);

}  // namespace ped::cell
