#include "merge/reports/pair_matrix.hpp"

#include <cmath>

#include "merge/pipeline/match.hpp"

namespace ped::merge {

namespace {

PairCell compare(const IndexedReflections* first, const IndexedReflections* second, double sigma) {
    PairCell c;
    if (!first || !second) return c;
    c.compared = true;
    const std::vector<Retained> kept =
        common_reflections(*first, *second, PairKind::intensities, sigma);
    c.common = static_cast<int>(kept.size());
    c.ratio = NAN;
    if (kept.empty()) return c;
    const PairStatistics st = pair_statistics(kept, PairKind::intensities);
    c.ratio = st.weighted_mean;
    c.verdict = st.verdict;
    return c;
}

}  // namespace

std::vector<std::vector<PairCell>> pair_matrix(const Session& s, const MergeRun& run) {
    // The run warned already when equivalents were asked for without a Laue class.
    const bool keyed = run.options.match != MatchMode::laue || run.symmetry.laue;
    PreparedFiles files(s.term, keyed ? match_key(s, run.options.match, run.symmetry) : nullptr);
    std::vector<const IndexedReflections*> zones;
    for (const Zone& z : run.zones) {
        int reason = 0;
        zones.push_back(files.get(z.prepared, reason));
    }
    std::vector<std::vector<PairCell>> cells(zones.size());
    for (size_t i = 0; i < zones.size(); ++i)
        for (size_t j = 0; j < zones.size(); ++j)
            cells[i].push_back(compare(zones[i], zones[j], run.params.sigma));
    return cells;
}

}  // namespace ped::merge
