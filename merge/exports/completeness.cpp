#include "merge/exports/completeness.hpp"

#include <algorithm>
#include <set>

namespace ped::merge {

std::optional<double> measured_fraction(const UnitCell& cell, const RunSymmetry& symmetry,
                                        double gmin, double gmax, double g_top,
                                        const std::vector<Reflection>& merged) {
    if (!symmetry.laue) return std::nullopt;
    const LaueGroup& laue = *symmetry.laue;
    const ReciprocalMetric metric(cell);
    const double top = std::min(g_top, gmax);
    // Counted in reals first: a long cell or a large g would overflow an int.
    double triples = 1;
    for (int axis = 0; axis < 3; ++axis) triples *= 2 * metric.max_index(axis, top) + 1;
    if (!(triples <= kMaxCompletenessTriples)) return std::nullopt;
    int limit[3];
    for (int axis = 0; axis < 3; ++axis)
        limit[axis] = static_cast<int>(metric.max_index(axis, top));
    std::set<Triple> seen;
    for (const Reflection& r : merged) seen.insert(laue.representative(r.h, r.k, r.l));
    long possible = 0, measured = 0;
    for (int h = -limit[0]; h <= limit[0]; ++h)
        for (int k = -limit[1]; k <= limit[1]; ++k)
            for (int l = -limit[2]; l <= limit[2]; ++l) {
                const double g = metric.g(h, k, l);
                // 0 0 0, the direct beam, is no reflection even when the window holds g = 0.
                if (!(h || k || l) || !(g <= top && gmin < g && g < gmax) ||
                    !symmetry.allowed(h, k, l))
                    continue;
                const Triple t = laue.representative(h, k, l);
                if (t != Triple{h, k, l}) continue;  // each class once, by its representative
                ++possible;
                measured += static_cast<long>(seen.count(t));
            }
    if (!possible) return std::nullopt;
    return static_cast<double>(measured) / static_cast<double>(possible);
}

}  // namespace ped::merge
