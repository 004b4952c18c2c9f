#include "merge/pipeline/factor_uncertainty.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/text.hpp"
#include "merge/pipeline/scale_factors.hpp"

namespace ped::merge {

namespace {

using Table = std::vector<std::vector<double>>;

// The inverse of a symmetric positive definite matrix (Cholesky); false when it is not one.
bool invert_spd(Table a, Table& inverse) {
    const size_t n = a.size();
    for (size_t j = 0; j < n; ++j) {  // a := L, lower triangle
        for (size_t k = 0; k < j; ++k) a[j][j] -= a[j][k] * a[j][k];
        if (!(a[j][j] > 0) || !std::isfinite(a[j][j])) return false;
        a[j][j] = std::sqrt(a[j][j]);
        for (size_t i = j + 1; i < n; ++i) {
            for (size_t k = 0; k < j; ++k) a[i][j] -= a[i][k] * a[j][k];
            a[i][j] /= a[j][j];
        }
    }
    inverse.assign(n, std::vector<double>(n, 0.0));
    for (size_t c = 0; c < n; ++c) {  // column c: L y = e_c, then L^T x = y
        std::vector<double> x(n, 0.0);
        for (size_t i = 0; i < n; ++i) {
            double v = i == c ? 1.0 : 0.0;
            for (size_t k = 0; k < i; ++k) v -= a[i][k] * x[k];
            x[i] = v / a[i][i];
        }
        for (size_t i = n; i-- > 0;) {
            double v = x[i];
            for (size_t k = i + 1; k < n; ++k) v -= a[k][i] * x[k];
            x[i] = v / a[i][i];
        }
        for (size_t i = 0; i < n; ++i) inverse[i][c] = x[i];
    }
    return true;
}

// Zones reached from `from` through pairs with a positive count, not passing through `barred`.
std::vector<bool> reached(const std::vector<std::vector<int>>& count, int from, int barred) {
    std::vector<bool> seen(count.size(), false);
    std::vector<int> todo{from};
    seen[static_cast<size_t>(from)] = true;
    while (!todo.empty()) {
        const int i = todo.back();
        todo.pop_back();
        for (size_t j = 0; j < count.size(); ++j)
            if (count[i][j] > 0 && !seen[j] && static_cast<int>(j) != barred) {
                seen[j] = true;
                todo.push_back(static_cast<int>(j));
            }
    }
    return seen;
}

// The maximum flow from `source` to zone 1 (index 0) with the counts as capacities.
int max_flow(std::vector<std::vector<int>> capacity, int source) {
    const size_t n = capacity.size();
    int flow = 0;
    for (;;) {
        std::vector<int> parent(n, -1);
        parent[static_cast<size_t>(source)] = source;
        std::vector<int> queue{source};
        for (size_t q = 0; q < queue.size() && parent[0] < 0; ++q)
            for (size_t j = 0; j < n; ++j)
                if (parent[j] < 0 && capacity[queue[q]][j] > 0) {
                    parent[j] = queue[q];
                    queue.push_back(static_cast<int>(j));
                }
        if (parent[0] < 0) return flow;
        int push = capacity[parent[0]][0];
        for (int j = 0; j != source; j = parent[j]) push = std::min(push, capacity[parent[j]][j]);
        for (int j = 0; j != source; j = parent[j]) {
            capacity[parent[j]][j] -= push;
            capacity[j][parent[j]] += push;
        }
        flow += push;
    }
}

}  // namespace

std::vector<FactorUncertainty> factor_uncertainties(
    const std::vector<const IndexedReflections*>& zones, PairKind kind, double sigma,
    const PairTable& table, const FactorSolution& solution,
    const std::vector<std::vector<Retained>>* retained) {
    const int n = table.n;
    std::vector<FactorUncertainty> out(static_cast<size_t>(n));
    if (n < 2) return out;
    const auto compared = [&](int a, int b) {
        return a != b && table.at(a, b) && zones[a] && zones[b];
    };
    // Zone 1's group, linked through pairs with a value; its other zones are solved for.
    std::vector<std::vector<int>> linked(n, std::vector<int>(n, 0));
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            if (compared(a, b)) linked[a][b] = linked[b][a] = 1;
    const std::vector<bool> tied = reached(linked, 0, -1);
    std::vector<int> unknown(static_cast<size_t>(n), -1), members;
    for (int z = 1; z < n; ++z)
        if (tied[z]) {
            unknown[z] = static_cast<int>(members.size());
            members.push_back(z);
        }
    const size_t u = members.size();
    // A zone of the group that keeps the factor 1 means a failed solve: no sound uncertainty.
    bool solvable = u > 0;
    for (int z : solution.kept_one) solvable = solvable && !tied[z];
    Table inverse;
    if (solvable) {
        Table normal(u, std::vector<double>(u));
        for (size_t i = 0; i < u; ++i)
            for (size_t j = 0; j < u; ++j) normal[i][j] = solution.normal[members[i]][members[j]];
        solvable = invert_spd(normal, inverse);
    }

    // One pass over the pairs: their retained reflections; the residuals of the ratios at the
    // reported factors k (each pair of zones once); and how the factors x of the solve with
    // zone 1 as reference (row 0 of the solutions, where its normal equations hold exactly)
    // move with each record's relative value, through the pair values it enters:
    // t = B^-1 (derivative of the normal equations by the pair value), times the derivative
    // of the pair value by the record (its weight held).
    const std::vector<double>& k = solution.factors;
    const std::vector<double>& x = solution.k[0];
    std::vector<std::vector<int>> count(n, std::vector<int>(n, 0));  // the larger way
    std::vector<std::vector<double>> slope(static_cast<size_t>(n));  // u values per record
    for (int z = 0; z < n && solvable; ++z)
        if (tied[z]) slope[z].assign(zones[z]->records.size() * u, 0.0);
    double squares = 0;
    long freedom = -static_cast<long>(u);
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            if (!compared(a, b)) continue;
            std::vector<Retained> found;
            if (!retained) found = common_reflections(*zones[a], *zones[b], kind, sigma);
            const std::vector<Retained>& pair =
                retained ? (*retained)[static_cast<size_t>(a * n + b)] : found;
            const int c = static_cast<int>(pair.size());
            count[a][b] = std::max(count[a][b], c);
            count[b][a] = std::max(count[b][a], c);
            if (!tied[a]) continue;
            if (a < b || !compared(b, a)) {
                for (const Retained& r : pair) squares += std::pow(r.ratio * k[b] / k[a] - 1, 2);
                freedom += c;
            }
            if (!solvable) continue;
            const double value = *table.at(a, b), residual = x[a] - value * x[b];
            std::vector<double> rhs(u, 0.0), t(u, 0.0);
            if (unknown[a] >= 0) rhs[unknown[a]] += x[b];
            if (unknown[b] >= 0) rhs[unknown[b]] += residual - value * x[b];
            for (size_t i = 0; i < u; ++i)
                for (size_t j = 0; j < u; ++j) t[i] += inverse[i][j] * rhs[j];
            double total = 0;
            for (const Retained& r : pair) total += kind == PairKind::intensities ? r.weight : 1;
            for (const Retained& r : pair) {
                const double f = (kind == PairKind::intensities ? r.weight : 1) * r.ratio / total;
                double* first = slope[a].data() + r.first_record * u;
                double* second = slope[b].data() + r.second_record * u;
                for (size_t i = 0; i < u; ++i) {
                    first[i] -= f * t[i];
                    second[i] += f * t[i];
                }
            }
        }

    for (int z : members) {
        out[z].reflections = max_flow(count, z);
        const std::vector<bool> without = reached(count, 0, z);
        for (int j = 0; j < n; ++j)
            if (j != z && count[z][j] > 0 && without[j]) ++out[z].zones;
    }
    if (!solvable || freedom <= 0) return out;
    const double variance = squares / (2.0 * static_cast<double>(freedom));
    std::vector<double> diagonal(u, 0.0);
    for (const std::vector<double>& zone : slope)
        for (size_t at = 0; at < zone.size(); at += u)
            for (size_t i = 0; i < u; ++i) diagonal[i] += zone[at + i] * zone[at + i];
    for (size_t i = 0; i < u; ++i) {
        const double s = std::sqrt(variance * diagonal[i]);
        if (std::isfinite(s)) out[members[i]].sigma = s;
    }
    return out;
}

void report_uncertainties(const Session& s, const std::vector<Zone>& zones,
                          const ScaleFactors& factors) {
    const auto shown = [&s](double sigma) {
        return std::isfinite(sigma) ? strprintf("%f", sigma) : std::string(s.msg.no_uncertainty);
    };
    if (!zones.empty()) say(s.term, s.msg.uncertainty_reference, zones[0].name.c_str());
    for (size_t z = 1; z < zones.size(); ++z) {
        const ZoneUncertainty& u = factors.uncertainty[z];
        say(s.term, s.msg.uncertainty_line, static_cast<int>(z + 1), zones[z].name.c_str(),
            factors.linear[z], shown(u.linear.sigma).c_str(), factors.g[z],
            shown(u.g.sigma).c_str(), u.linear.reflections, u.linear.zones);
    }
    for (size_t z = 1; z < zones.size(); ++z) {
        const ZoneUncertainty& u = factors.uncertainty[z];
        for (const auto& [tie, word] :
             {std::pair{u.linear, s.msg.linear_word}, std::pair{u.g, s.msg.g_word}})
            if (tie.reflections > 0 && tie.reflections < 3)
                say(s.term, s.msg.barely_determined, static_cast<int>(z + 1), zones[z].name.c_str(),
                    tie.reflections, word);
    }
}

}  // namespace ped::merge
