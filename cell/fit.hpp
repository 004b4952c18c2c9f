// The window fit: the cell of one crystal system refined by linear least squares on g^2.
//
// For every system g^2 = sum of p_j f_j(h, k, l), with integer basis values f_j:
//   cubic         h^2 + k^2 + l^2
//   tetragonal    h^2 + k^2, l^2
//   hexagonal     h^2 + hk + k^2, l^2
//   orthorhombic  h^2, k^2, l^2
//   monoclinic    h^2, k^2, l^2, -2hl   (unique axis b)
// The normal system is solved with the matrix routines (dimension 4) and the cell derived
// from the coefficients p.
#pragma once

#include <cstdio>
#include <vector>

#include "selection.hpp"

namespace ped::cell {

// One counted fit: the cell (only the parameters of the system are set; beta in degrees) and
// the mean squared residual in g.
struct CellFit {
    double a = 0, b = 0, c = 0, beta = 0;
    double mean_sq = 0;
};

// Order of the normal system of a crystal system (0 for a code the tool does not refine).
int normal_order(int symmetry);

// The cell from the coefficients p of a crystal system.
CellFit cell_from_coefficients(int symmetry, const double p[4]);

// g calculated for the indices from the cell of a crystal system.
double g_calc(int symmetry, const CellFit& cell, int h, int k, int l);

// Fits the set (non-empty) and prints the cell and its residuals on `out`. False, with nothing
// printed or stored, when the normal system is degenerate: a diagonal sum is zero, or the
// system is singular (the inversion then reports its zero pivot on standard error). For a code
// the tool does not refine, prints the hint for lower symmetries and answers true.
bool fit_window(const std::vector<Selected>& set, int symmetry, std::FILE* out, CellFit& fit);

}  // namespace ped::cell
