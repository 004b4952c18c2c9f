#include "cell/selection.hpp"

namespace ped::cell {

void select_window(const std::vector<Reflection>& reflections, int t, double g1, double g2,
                   std::vector<Selected>& set) {
    set.clear();
    for (const Reflection& r : reflections) {
        if (t > r.i / r.sig || g1 > r.g || r.g > g2) continue;
        set.push_back({r.h, r.k, r.l, r.g});
    }
}

}  // namespace ped::cell
