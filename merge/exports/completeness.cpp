#include "merge/exports/completeness.hpp"

#include <algorithm>
#include <set>

namespace ped::merge {

std::optional<double> measured_fraction(const UnitCell& cell, const RunSymmetry& symmetry,
                                        double gmin, double gmax, double g_top,
                                        const std::vector<Reflection>& merged) {
    if (!symmetry.laue) return std::nullopt;
    const LaueGroup& laue = *symmetry.laue;
    std::set<Triple> seen;
    for (const Reflection& r : merged) seen.insert(laue.representative(r.h, r.k, r.l));
    long possible = 0, measured = 0;
    const bool counted =
        for_each_allowed_class(cell, symmetry, gmin, gmax, g_top, [&](const Triple& t, double) {
            // 0 0 0, the direct beam, is no reflection even when the window holds g = 0.
            if (t == Triple{0, 0, 0}) return;
            ++possible;
            measured += static_cast<long>(seen.count(t));
        });
    if (!counted || !possible) return std::nullopt;
    return static_cast<double>(measured) / static_cast<double>(possible);
}

}  // namespace ped::merge
