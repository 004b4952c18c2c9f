// The crystal systems the cell tool refines, as one table. For every system the squared
// reciprocal length is linear in a few cell coefficients, g^2 = sum of p_j f_j(h, k, l), with
// integer basis values f_j:
//   'c' cubic         h^2 + k^2 + l^2
//   'q' tetragonal    h^2 + k^2, l^2
//   'h' hexagonal     h^2 + hk + k^2, l^2
//   'o' orthorhombic  h^2, k^2, l^2
//   'm' monoclinic    h^2, k^2, l^2, -2hl   (unique axis b)
// The codes are the letters typed at the question, or their character codes (99, 113, 104,
// 111, 109) on the command line.
#pragma once

#include <array>
#include <functional>
#include <vector>

namespace ped::cell {

// One fitted cell (only the parameters of the system are set; beta in degrees) and the mean
// squared residual in g of its fit.
struct CellFit {
    double a = 0, b = 0, c = 0, beta = 0;
    double mean_sq = 0;
};

using CellParameter = double CellFit::*;
using GCalc = std::function<double(double h, double k, double l)>;

struct CrystalSystem {
    int code;
    int order;  // unknowns of the normal system
    void (*basis)(double h, double k, double l, double f[4]);
    CellFit (*cell_from)(const double p[4]);  // the cell from the coefficients p
    // g calculated from a cell, as a function of the indices (what depends on the cell alone
    // is worked out once).
    GCalc (*g_calc)(const CellFit& cell);
    std::vector<CellParameter> parameters;  // refined, in the order they are printed
    const char* fit;                        // a window's fit on the console, the parameters
    const char* heading;                    // of the final report
    const char* cell_line;                  // the output file's line, with `line_values`
    std::array<CellParameter, 4> line_values;
};

// The system of a code, or null for a code the tool does not refine.
const CrystalSystem* crystal_system(int code);

}  // namespace ped::cell
