// The classes of equivalent reflections a run's space group allows out to some g, for a cell:
// what the completeness of the statistics and the CIF's measured fraction count over.
#pragma once

#include <functional>

#include "common/unit_cell.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/symmetry/triple.hpp"

namespace ped::merge {

// Beyond this many index triples to enumerate, a completeness is left out.
inline constexpr double kMaxClassTriples = 2e7;

// Calls each(t, g) once for every class of the run's Laue group (the run has one) whose
// representative t the space group allows, with g (from the cell) at most `top` and
// gmin < g < gmax, in the order h, k, l from their lowest. False, calling nothing, when the
// index box out to `top` holds more than kMaxClassTriples triples (counted in reals: a long
// cell or a large g would overflow an int).
bool for_each_allowed_class(const UnitCell& cell, const RunSymmetry& symmetry, double gmin,
                            double gmax, double top,
                            const std::function<void(const Triple& t, double g)>& each);

}  // namespace ped::merge
