#include "merge/pipeline/allowed_classes.hpp"

#include <algorithm>

namespace ped::merge {

bool for_each_allowed_class(const UnitCell& cell, const RunSymmetry& symmetry, double gmin,
                            double gmax, double top,
                            const std::function<void(const Triple& t, double g)>& each) {
    const ReciprocalMetric metric(cell);
    top = std::min(top, gmax);
    double triples = 1;
    for (int axis = 0; axis < 3; ++axis) triples *= 2 * metric.max_index(axis, top) + 1;
    if (!(triples <= kMaxClassTriples)) return false;
    int limit[3];
    for (int axis = 0; axis < 3; ++axis)
        limit[axis] = static_cast<int>(metric.max_index(axis, top));
    const LaueGroup& laue = *symmetry.laue;
    for (int h = -limit[0]; h <= limit[0]; ++h)
        for (int k = -limit[1]; k <= limit[1]; ++k)
            for (int l = -limit[2]; l <= limit[2]; ++l) {
                const double g = metric.g(h, k, l);
                if (!(g <= top && gmin < g && g < gmax) || !symmetry.allowed(h, k, l)) continue;
                const Triple t = laue.representative(h, k, l);
                if (t == Triple{h, k, l}) each(t, g);  // each class once, by its representative
            }
    return true;
}

}  // namespace ped::merge
