#include "merge/pipeline/factor_uncertainty.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <utility>

#include "merge/pipeline/zone_graph.hpp"

namespace ped::merge {

namespace {

// The Cholesky factor L of a symmetric positive definite matrix, in the lower triangle of `a`;
// false when it is not one.
bool cholesky(Matrix& a) {
    const int n = a.dimension();
    for (int j = 0; j < n; ++j) {
        for (int k = 0; k < j; ++k) a(j, j) -= a(j, k) * a(j, k);
        if (!(a(j, j) > 0) || !std::isfinite(a(j, j))) return false;
        a(j, j) = std::sqrt(a(j, j));
        for (int i = j + 1; i < n; ++i) {
            for (int k = 0; k < j; ++k) a(i, j) -= a(i, k) * a(j, k);
            a(i, j) /= a(j, j);
        }
    }
    return true;
}

// The inverse of a symmetric positive definite matrix; none when it is not one.
std::optional<Matrix> invert_spd(Matrix a) {
    if (!cholesky(a)) return std::nullopt;
    const int n = a.dimension();
    Matrix inverse(n);
    std::vector<double> x(static_cast<size_t>(n));
    for (int c = 0; c < n; ++c) {  // column c: L y = e_c, then L^T x = y
        for (int i = 0; i < n; ++i) {
            double v = i == c ? 1.0 : 0.0;
            for (int k = 0; k < i; ++k) v -= a(i, k) * x[k];
            x[i] = v / a(i, i);
        }
        for (int i = n; i-- > 0;) {
            double v = x[i];
            for (int k = i + 1; k < n; ++k) v -= a(k, i) * x[k];
            x[i] = v / a(i, i);
        }
        for (int i = 0; i < n; ++i) inverse(i, c) = x[i];
    }
    return inverse;
}

// The pairs of zones of one kind: compared when both files were read and the pair has a value.
struct Pairs {
    const std::vector<const IndexedReflections*>& zones;
    const PairTable& table;
    PairKind kind;
    double sigma;
    const RetainedPairs* retained;

    bool compared(int a, int b) const { return a != b && table.at(a, b) && zones[a] && zones[b]; }
    // The retained reflections of (a, b): as the comparisons found them, or found again into
    // `found`.
    const std::vector<Retained>& of(int a, int b, std::vector<Retained>& found) const {
        if (retained) return (*retained)[static_cast<size_t>(a * table.n + b)];
        found = common_reflections(*zones[a], *zones[b], kind, sigma);
        return found;
    }
    // A record's weight in its pair's value.
    double weight(const Retained& r) const { return kind == PairKind::intensities ? r.weight : 1; }
};

// The factors solved for: zone 1's group (linked through compared pairs) without zone 1.
struct Unknowns {
    std::vector<bool> tied;    // by zone: in zone 1's group
    std::vector<int> index;    // by zone: its place among the unknowns, -1 for none
    std::vector<int> members;  // the unknowns' zones, in zone order
};

Unknowns unknowns_of(const Pairs& pairs) {
    const int n = pairs.table.n;
    Counts linked(n, std::vector<int>(n, 0));
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            if (pairs.compared(a, b)) linked[a][b] = linked[b][a] = 1;
    Unknowns u{ZoneGraph(linked).reached(0, -1), std::vector<int>(static_cast<size_t>(n), -1), {}};
    for (int z = 1; z < n; ++z)
        if (u.tied[z]) {
            u.index[z] = static_cast<int>(u.members.size());
            u.members.push_back(z);
        }
    return u;
}

// The inverse of the reduced normal matrix B of the solve with zone 1 as reference; none when
// a zone of the group kept the factor 1 (a failed solve: no sound uncertainty) or B is not
// positive definite.
std::optional<Matrix> inverse_normal(const FactorSolution& solution, const Unknowns& u) {
    const int m = static_cast<int>(u.members.size());
    if (m == 0) return std::nullopt;
    for (int z : solution.kept_one)
        if (u.tied[z]) return std::nullopt;
    Matrix normal(m);
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < m; ++j) normal(i, j) = solution.normal(u.members[i], u.members[j]);
    return invert_spd(normal);
}

// What one pass over the pairs gathers.
struct PairSums {
    Counts count;        // retained reflections of each pair of zones, the larger way
    double squares = 0;  // of the residuals of the ratios at the reported factors
    long freedom = 0;    // ratios less factors solved for
};

// One pass over the pairs: their retained reflections; the residuals of the ratios at the
// reported factors k (each pair of zones once).
PairSums pair_sums(const Pairs& pairs, const FactorSolution& solution, const Unknowns& u) {
    const int n = pairs.table.n;
    const std::vector<double>& k = solution.factors;
    PairSums sums{Counts(n, std::vector<int>(n, 0)), 0, -static_cast<long>(u.members.size())};
    std::vector<Retained> found;
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            if (!pairs.compared(a, b)) continue;
            const std::vector<Retained>& pair = pairs.of(a, b, found);
            const int c = static_cast<int>(pair.size());
            sums.count[a][b] = std::max(sums.count[a][b], c);
            sums.count[b][a] = std::max(sums.count[b][a], c);
            if (!u.tied[a]) continue;
            if (a < b || !pairs.compared(b, a)) {
                for (const Retained& r : pair)
                    sums.squares += std::pow(r.ratio * k[b] / k[a] - 1, 2);
                sums.freedom += c;
            }
        }
    return sums;
}

// The inverse of the reduced normal matrix, with what multiplies it by a right-hand side of
// two values: the sum of the products in column order, a zero value adding nothing that
// changes the sum (the zero of a product with a finite entry), so that the two columns give
// what the whole row gives.
struct Inverse {
    Matrix m;
    Matrix columns;  // the transpose, each column of m in one row
    bool finite = true;

    explicit Inverse(Matrix inverse) : m(std::move(inverse)), columns(m.dimension()) {
        for (int i = 0; i < m.dimension(); ++i)
            for (int j = 0; j < m.dimension(); ++j) {
                columns(j, i) = m(i, j);
                if (!std::isfinite(m(i, j))) finite = false;
            }
    }
    // t = M rhs, rhs zero but at the unknowns `at` (in column order, -1 for none).
    void times(const std::vector<double>& rhs, std::array<int, 2> at,
               std::vector<double>& t) const {
        const int n = m.dimension();
        std::fill(t.begin(), t.end(), 0.0);
        if (!finite) {
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) t[i] += m(i, j) * rhs[j];
            return;
        }
        for (int j : at)
            if (j >= 0) add_scaled(t, columns.row(j), rhs[j]);
    }
};

// How the factors x of the solve with zone 1 as reference (row 0 of the solutions, where its
// normal equations hold exactly) move with each record's relative value through the value of
// the pair (a, b): t = B^-1 (derivative of the normal equations by the pair value), times the
// derivative of the pair value by the record (its weight held). Only the records of `zone`
// are moved, in `slope` (per record the slopes of the unknowns).
void add_slopes(const Pairs& pairs, int a, int b, int zone, const std::vector<Retained>& pair,
                const FactorSolution& solution, const Unknowns& u, const Inverse& inverse,
                std::vector<double>& slope) {
    const size_t m = u.members.size();
    const std::span<const double> x = solution.k.row(0);
    const double value = *pairs.table.at(a, b), residual = x[a] - value * x[b];
    std::vector<double> rhs(m, 0.0), t(m, 0.0);
    if (u.index[a] >= 0) rhs[u.index[a]] += x[b];
    if (u.index[b] >= 0) rhs[u.index[b]] += residual - value * x[b];
    inverse.times(rhs, {std::min(u.index[a], u.index[b]), std::max(u.index[a], u.index[b])}, t);
    double total = 0;
    for (const Retained& r : pair) total += pairs.weight(r);
    for (const Retained& r : pair) {
        const double f = pairs.weight(r) * r.ratio / total;
        if (a == zone) subtract_scaled({slope.data() + r.first_record * m, m}, t, f);
        if (b == zone) add_scaled({slope.data() + r.second_record * m, m}, t, f);
    }
}

// The slopes of the records of one zone tied to zone 1, from the pairs it takes part in, taken
// in the order of the pairs (first zone, then second).
std::vector<double> zone_slopes(const Pairs& pairs, int zone, const FactorSolution& solution,
                                const Unknowns& u, const Inverse& inverse) {
    const int n = pairs.table.n;
    std::vector<double> slope(pairs.zones[zone]->records.size() * u.members.size(), 0.0);
    std::vector<Retained> found;
    const auto add = [&](int a, int b) {
        if (pairs.compared(a, b) && u.tied[a])
            add_slopes(pairs, a, b, zone, pairs.of(a, b, found), solution, u, inverse, slope);
    };
    for (int a = 0; a < zone; ++a) add(a, zone);
    for (int b = 0; b < n; ++b) add(zone, b);
    for (int a = zone + 1; a < n; ++a) add(a, zone);
    return slope;
}

// The reflections and zones that tie each unknown to zone 1.
void set_ties(const Counts& count, const Unknowns& u, std::vector<FactorUncertainty>& out) {
    const ZoneGraph graph(count);
    const std::vector<int> zones = graph.neighbours_reaching(0);
    for (int z : u.members) {
        out[z].reflections = graph.max_flow(z, 0);
        out[z].zones = zones[z];
    }
}

// sqrt(v * sum over the records of d_i^2) for each unknown i, the records taken zone by zone.
void set_sigmas(const Pairs& pairs, const PairSums& sums, const FactorSolution& solution,
                const Unknowns& u, const Inverse& inverse, std::vector<FactorUncertainty>& out) {
    const size_t m = u.members.size();
    const double variance = sums.squares / (2.0 * static_cast<double>(sums.freedom));
    std::vector<double> diagonal(m, 0.0);
    for (int z = 0; z < pairs.table.n; ++z) {
        if (!u.tied[z]) continue;
        const std::vector<double> zone = zone_slopes(pairs, z, solution, u, inverse);
        for (size_t at = 0; at < zone.size(); at += m)
            add_squares(diagonal, std::span(zone).subspan(at, m));
    }
    for (size_t i = 0; i < m; ++i) {
        const double s = std::sqrt(variance * diagonal[i]);
        if (std::isfinite(s)) out[u.members[i]].sigma = s;
    }
}

}  // namespace

std::vector<FactorUncertainty> factor_uncertainties(
    const std::vector<const IndexedReflections*>& zones, PairKind kind, double sigma,
    const PairTable& table, const FactorSolution& solution, const RetainedPairs* retained) {
    std::vector<FactorUncertainty> out(static_cast<size_t>(table.n));
    if (table.n < 2) return out;
    const Pairs pairs{zones, table, kind, sigma, retained};
    const Unknowns u = unknowns_of(pairs);
    const std::optional<Matrix> inverse = inverse_normal(solution, u);
    const PairSums sums = pair_sums(pairs, solution, u);
    set_ties(sums.count, u, out);
    if (inverse && sums.freedom > 0) set_sigmas(pairs, sums, solution, u, Inverse(*inverse), out);
    return out;
}

}  // namespace ped::merge
