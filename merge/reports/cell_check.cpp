#include "merge/reports/cell_check.hpp"

#include <cmath>

namespace ped::merge {

CellFit cell_fit(const UnitCell& cell, const std::vector<Reflection>& merged) {
    const ReciprocalMetric metric(cell);
    CellFit fit;
    double squares = 0;
    for (const Reflection& r : merged) {
        if (!is_finite(r) || !(r.g > 0)) continue;
        const double misfit = metric.g(r.h, r.k, r.l) / r.g - 1;
        squares += misfit * misfit;
        ++fit.reflections;
    }
    if (fit.reflections > 0) fit.rms = std::sqrt(squares / fit.reflections);
    return fit;
}

void check_cell_fit(const Session& s, const UnitCell& cell, const std::vector<Reflection>& merged,
                    const std::string& merged_file) {
    const CellFit fit = cell_fit(cell, merged);
    // A figure that is no number (a cell so small that its g overflow) does not fit either.
    if (fit.reflections > 0 && !(fit.rms <= kCellMisfit))
        say(s.term, s.msg.cell_misfit, fit.reflections, merged_file.c_str(), fit.rms);
}

}  // namespace ped::merge
