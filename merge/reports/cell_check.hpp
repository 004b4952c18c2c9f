// The cell held against the measured g. A cell that reads well may still not be the crystal's:
// lengths in another order than the indices (the Pnma order for data indexed in Pbnm) give
// other g than those measured, and every file that carries the cell carries the mistake.
#pragma once

#include <string>
#include <vector>

#include "common/reflection.hpp"
#include "common/unit_cell.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

// Above this rms of g(cell)/g(measured) - 1 the cell does not fit: a refined cell stays well
// below it (0.0006 on the example zones), axes out of order go far beyond it (0.2).
inline constexpr double kCellMisfit = 0.01;

struct CellFit {
    int reflections = 0;  // the merged reflections compared: finite, with g above 0
    double rms = 0;       // the rms over them of g(cell)/g(measured) - 1
};

// The fit of a (checked) cell to merged reflections.
CellFit cell_fit(const UnitCell& cell, const std::vector<Reflection>& merged);

// Warns on standard error when the cell does not fit the merged reflections of `merged_file`.
void check_cell_fit(const Session& s, const UnitCell& cell, const std::vector<Reflection>& merged,
                    const std::string& merged_file);

}  // namespace ped::merge
