#include "merge/reports/statistics.hpp"

#include <algorithm>
#include <cmath>
#include <set>

namespace ped::merge {

int shell_count(int unique, int wanted) {
    return std::max(1, std::min(wanted, unique / 20));
}

std::vector<double> shell_edges(double lo, double hi, int n) {
    std::vector<double> edges(static_cast<size_t>(n) + 1);
    const double lo3 = lo * lo * lo, hi3 = hi * hi * hi;
    for (int k = 0; k <= n; ++k) edges[k] = std::cbrt(lo3 + k * (hi3 - lo3) / n);
    edges.front() = lo;
    edges.back() = hi;
    return edges;
}

int shell_of(double g, const std::vector<double>& edges) {
    const int n = static_cast<int>(edges.size()) - 1;
    int k = 0;
    while (k + 1 < n && g >= edges[k + 1]) ++k;
    return k;
}

namespace {

// The observations of one unique reflection, summed.
struct GroupTotals {
    size_t n;
    double sum, mean;
    double propagated;  // sqrt(sum of sigma^2) / n
};

GroupTotals totals_of(const MergedGroup& m) {
    const size_t n = m.obs.size();
    double sum = 0, variances = 0;
    for (const Observation& o : m.obs) {
        sum += o.i;
        variances += o.sig * o.sig;
    }
    return {n, sum, sum / n, std::sqrt(variances) / n};
}

// Over the unique reflections observed at least twice: the sums of the R values, and each
// one's mean and error variance for CC1/2.
struct Agreement {
    double r_num = 0, r_meas_num = 0, r_pim_num = 0, r_den = 0;
    std::vector<double> means, error_variances;

    void add(const MergedGroup& m, const GroupTotals& t) {
        const size_t n = t.n;
        double deviation = 0, squares = 0;
        for (const Observation& o : m.obs) {
            deviation += std::fabs(o.i - t.mean);
            squares += (o.i - t.mean) * (o.i - t.mean);
        }
        r_num += deviation;
        r_meas_num += std::sqrt(n / (n - 1.0)) * deviation;
        r_pim_num += std::sqrt(1 / (n - 1.0)) * deviation;
        r_den += t.sum;
        means.push_back(t.mean);
        error_variances.push_back(squares / (n - 1) / (n / 2.0));
    }
};

// CC1/2 by the sigma-tau method: (s2y - s2e/2) / (s2y + s2e/2), s2y the unbiased variance of
// the means, s2e the mean of the error variances; none with fewer than two means.
double sigma_tau(const Agreement& a) {
    const size_t m = a.means.size();
    if (m < 2) return kNone;
    double sum_y = 0, sum_e = 0;
    for (size_t j = 0; j < m; ++j) {
        sum_y += a.means[j];
        sum_e += a.error_variances[j];
    }
    const double mean_y = sum_y / m, s2e = sum_e / m;
    double squares = 0;
    for (double y : a.means) squares += (y - mean_y) * (y - mean_y);
    const double s2y = squares / (m - 1);
    if (s2y + s2e / 2 == 0) return kNone;
    return (s2y - s2e / 2) / (s2y + s2e / 2);
}

}  // namespace

ShellRow shell_row(const std::vector<const MergedGroup*>& groups) {
    ShellRow row;
    double sum_i = 0, sum_ratio = 0, sum_file = 0, sum_propagated = 0;
    int ratios = 0;
    Agreement agreement;
    for (const MergedGroup* m : groups) {
        const GroupTotals t = totals_of(*m);
        row.n_obs += static_cast<int>(t.n);
        ++row.n_unique;
        sum_i += m->i;
        sum_file += m->sig;
        sum_propagated += t.propagated;
        if (t.propagated > 0) {
            sum_ratio += m->i / t.propagated;
            ++ratios;
        }
        if (t.n >= 2) agreement.add(*m, t);
    }
    if (row.n_unique > 0) {
        row.multiplicity = static_cast<double>(row.n_obs) / row.n_unique;
        row.mean_i = sum_i / row.n_unique;
        row.mean_sigma_file = sum_file / row.n_unique;
        row.mean_sigma_propagated = sum_propagated / row.n_unique;
    }
    if (ratios > 0) row.mean_i_over_sigma = sum_ratio / ratios;
    if (!agreement.means.empty() && agreement.r_den != 0) {
        row.r_merge = agreement.r_num / agreement.r_den;
        row.r_meas = agreement.r_meas_num / agreement.r_den;
        row.r_pim = agreement.r_pim_num / agreement.r_den;
    }
    row.cc_half = sigma_tau(agreement);
    return row;
}

namespace {

// Per shell, then overall (last): the classes of equivalents the space group allows with g in
// the shell and in the window, and how many of them were measured. False when there are too
// many index triples to enumerate.
bool count_possible(const CompletenessBasis& b, const std::vector<MergedGroup>& groups,
                    const std::vector<double>& edges, std::vector<long>& possible,
                    std::vector<long>& measured) {
    const int n = static_cast<int>(edges.size()) - 1;
    possible.assign(static_cast<size_t>(n) + 1, 0);
    measured.assign(static_cast<size_t>(n) + 1, 0);
    const LaueGroup& laue = *b.symmetry->laue;
    std::set<Triple> seen;
    for (const MergedGroup& m : groups) seen.insert(laue.representative(m.h, m.k, m.l));
    return for_each_allowed_class(
        b.cell, *b.symmetry, b.gmin, b.gmax, edges.back(), [&](const Triple& t, double g) {
            if (g < edges.front()) return;
            const bool found = seen.count(t) > 0;
            for (size_t s : {static_cast<size_t>(shell_of(g, edges)), static_cast<size_t>(n)}) {
                ++possible[s];
                if (found) ++measured[s];
            }
        });
}

void set_completeness(ShellRow& row, long possible, long measured) {
    row.n_possible = possible;
    if (possible > 0) row.completeness = static_cast<double>(measured) / possible;
}

}  // namespace

ShellTable shell_table(const std::vector<MergedGroup>& groups, int wanted_shells,
                       const CompletenessBasis* basis, bool* completeness_done) {
    ShellTable t;
    if (completeness_done) *completeness_done = false;
    std::vector<const MergedGroup*> all;
    for (const MergedGroup& m : groups) all.push_back(&m);
    t.overall = shell_row(all);
    if (groups.empty()) return t;

    double lo = groups.front().g, hi = lo;
    for (const MergedGroup& m : groups) {
        lo = std::min(lo, m.g);
        hi = std::max(hi, m.g);
    }
    const int n = shell_count(static_cast<int>(groups.size()), wanted_shells);
    const std::vector<double> edges = shell_edges(lo, hi, n);
    std::vector<std::vector<const MergedGroup*>> by_shell(static_cast<size_t>(n));
    for (const MergedGroup& m : groups) by_shell[shell_of(m.g, edges)].push_back(&m);
    for (int k = 0; k < n; ++k) {
        t.shells.push_back(shell_row(by_shell[k]));
        t.shells.back().g_min = edges[k];
        t.shells.back().g_max = edges[k + 1];
    }
    t.overall.g_min = lo;
    t.overall.g_max = hi;

    std::vector<long> possible, measured;
    if (basis && basis->symmetry->laue &&
        count_possible(*basis, groups, edges, possible, measured)) {
        for (int k = 0; k < n; ++k) set_completeness(t.shells[k], possible[k], measured[k]);
        set_completeness(t.overall, possible[n], measured[n]);
        if (completeness_done) *completeness_done = true;
    }
    return t;
}

std::vector<ZoneRow> zone_rows(const std::vector<MergedGroup>& groups, int zones) {
    std::vector<ZoneRow> rows(static_cast<size_t>(zones));
    std::vector<double> ratio_sum(rows.size(), 0), r_num(rows.size(), 0), r_den(rows.size(), 0);
    std::vector<int> ratios(rows.size(), 0);
    for (ZoneRow& row : rows) row.shared.assign(rows.size(), 0);
    for (const MergedGroup& m : groups) {
        const size_t n = m.obs.size();
        double sum = 0;
        for (const Observation& o : m.obs) sum += o.i;
        const double mean = sum / n;
        std::set<int> present;
        for (const Observation& o : m.obs) {
            ZoneRow& row = rows[o.zone];
            ++row.records;
            if (o.sig > 0) {
                ratio_sum[o.zone] += o.i / o.sig;
                ++ratios[o.zone];
            }
            if (n >= 2) {
                r_num[o.zone] += std::fabs(o.i - mean);
                r_den[o.zone] += o.i;
            }
            present.insert(o.zone);
        }
        for (int a : present)
            for (int b : present) ++rows[a].shared[b];
    }
    for (size_t z = 0; z < rows.size(); ++z) {
        if (ratios[z] > 0) rows[z].mean_i_over_sigma = ratio_sum[z] / ratios[z];
        if (r_den[z] != 0) rows[z].r_zone = r_num[z] / r_den[z];
    }
    return rows;
}

}  // namespace ped::merge
