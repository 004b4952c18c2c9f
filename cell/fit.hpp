// The window fit: the cell of one crystal system refined by linear least squares on g^2. The
// normal system is solved with the matrix routines (dimension 4) and the cell derived from the
// coefficients p (see crystal_systems.hpp).
#pragma once

#include <cstdio>
#include <vector>

#include "cell/crystal_systems.hpp"
#include "cell/selection.hpp"

namespace ped::cell {

// Fits the set (non-empty) and prints the cell and its residuals on `out`. False, with nothing
// printed or stored, when the normal system is degenerate: a diagonal sum is zero, or the
// system is singular (the inversion then reports its zero pivot on standard error). For a code
// the tool does not refine, prints the hint for lower symmetries and answers true.
bool fit_window(const std::vector<Selected>& set, int symmetry, std::FILE* out, CellFit& fit);

}  // namespace ped::cell
