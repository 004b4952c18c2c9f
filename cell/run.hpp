// The cell tool from start to end: greeting, file names, reading the merged file, the three
// questions, the scan of windows with their fits, the final report and the cell line.
#pragma once

#include "common/command_line.hpp"
#include "common/options.hpp"
#include "common/terminal.hpp"

namespace ped::cell {

struct CellOptions {
    bool cell_cif = false;  // also write <input stem>_cell.cif, the cell with uncertainties
};

// The tool's option table.
const OptionTable<CellOptions>& cell_option_table();

// The whole run; returns its exit status (0). A fatal error throws Fatal.
int run_cell(const Terminal& t, const CommandLine& cl, const CellOptions& o);

}  // namespace ped::cell
