// The completeness the CIF gives (_diffrn_measured_fraction_theta_max): of the classes of
// equivalent reflections the space group allows out to the largest g measured, inside the
// run's g window, the share the merge holds.
#pragma once

#include <optional>
#include <vector>

#include "common/reflection.hpp"
#include "common/unit_cell.hpp"
#include "merge/pipeline/allowed_classes.hpp"
#include "merge/pipeline/run_symmetry.hpp"

namespace ped::merge {

// The share of the classes with g (from the cell) at most `g_top` and gmin < g < gmax, 0 0 0
// left out, that `merged` measured; none without a Laue class, without such a class, or with more
// than kMaxClassTriples triples to enumerate.
std::optional<double> measured_fraction(const UnitCell& cell, const RunSymmetry& symmetry,
                                        double gmin, double gmax, double g_top,
                                        const std::vector<Reflection>& merged);

}  // namespace ped::merge
