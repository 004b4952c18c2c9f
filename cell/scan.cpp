#include "cell/scan.hpp"

#include "cell/messages.hpp"
#include "cell/selection.hpp"
#include "common/format.hpp"

namespace ped::cell {

std::vector<CellFit> scan_windows(const std::vector<Reflection>& reflections, int symmetry,
                                  const ScanLimits& limits, std::FILE* out) {
    const std::vector<Candidate> candidates = candidates_of(reflections);
    std::vector<CellFit> fits;
    std::vector<Selected> set;
    for (int t = 1; t <= limits.threshold; ++t) {
        for (double g1 = limits.gmin; g1 <= limits.gmax - 0.5; g1 = g1 + 0.25) {
            bool first = true;  // the first window of this g1; the others narrow it
            for (double g2 = limits.gmax; g2 >= limits.gmin + 0.5; g2 = g2 - 0.25) {
                if (!(g1 < g2)) continue;
                if (first)
                    select_window(candidates, t, g1, g2, set);
                else
                    narrow_window(set, g2);
                first = false;
                print(out, kWindow, t, g1, g2);
                print(out, kWindowCount, static_cast<int>(set.size()));
                if (set.size() < kMinWindow) break;
                CellFit fit;
                if (!fit_window(set, symmetry, out, fit)) break;
                fits.push_back(fit);
                print(out, kFitCount, static_cast<int>(fits.size()));
            }
        }
    }
    return fits;
}

}  // namespace ped::cell
