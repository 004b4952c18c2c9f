// The final report: each cell parameter as its mean over the counted fits with the sample
// standard deviation ("+ ou -"), the mean of the fits' mean squared residuals, and the cell
// line "a b c alpha beta gamma" of the output file.
#pragma once

#include <cstdio>
#include <vector>

#include "cell/crystal_systems.hpp"
#include "common/outfile.hpp"

namespace ped::cell {

struct Spread {
    double mean = 0;
    double deviation = 0;  // sample standard deviation; 0 for fewer than two values
};

// Mean and sample standard deviation of one parameter over the fits (at least one).
Spread spread_of(const std::vector<CellFit>& fits, CellParameter field);

// Prints the report on `out` and writes the cell line (no line end) into `file`. Without any
// fit it says so and writes nothing; with one fit the parameters are printed without a
// deviation. A code the tool does not refine prints the blank lines only.
void final_report(const std::vector<CellFit>& fits, int symmetry, std::FILE* out, OutFile& file);

}  // namespace ped::cell
