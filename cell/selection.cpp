#include "cell/selection.hpp"

#include <algorithm>

namespace ped::cell {

std::vector<Candidate> candidates_of(const std::vector<Reflection>& reflections) {
    std::vector<Candidate> candidates;
    candidates.reserve(reflections.size());
    for (const Reflection& r : reflections) candidates.push_back({r.h, r.k, r.l, r.g, r.i / r.sig});
    return candidates;
}

void select_window(const std::vector<Candidate>& candidates, int t, double g1, double g2,
                   std::vector<Selected>& set) {
    set.clear();
    for (const Candidate& c : candidates) {
        if (t > c.ratio || g1 > c.g || c.g > g2) continue;
        set.push_back({c.h, c.k, c.l, c.g});
    }
}

void narrow_window(std::vector<Selected>& set, double g2) {
    set.erase(std::remove_if(set.begin(), set.end(), [g2](const Selected& s) { return s.g > g2; }),
              set.end());
}

}  // namespace ped::cell
