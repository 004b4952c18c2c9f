#include "merge/pipeline/scale_factors.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/text.hpp"
#include "merge/pipeline/pair_compare.hpp"

namespace ped::merge {

namespace {

// Zones linked through pairs with a value, labelled by the smallest zone of their group.
std::vector<int> linked_groups(const PairTable& t) {
    std::vector<int> group(static_cast<size_t>(t.n));
    for (int i = 0; i < t.n; ++i) group[i] = i;
    bool changed = true;
    while (changed) {
        changed = false;
        for (int i = 0; i < t.n; ++i)
            for (int j = 0; j < t.n; ++j)
                if (i != j && (t.at(i, j) || t.at(j, i)) && group[j] < group[i]) {
                    group[i] = group[j];
                    changed = true;
                }
    }
    return group;
}

using Table = std::vector<std::vector<double>>;

// S[i][j] = R[i][j] + R[j][i] and the normal matrix A: A[i][i] = d[i], the sum over j != i of
// (1 + R[j][i]^2), A[i][j] = -S[i][j]. Pairs without a value are left out of every sum (a term
// 1 stands for R[i][j] and R[j][i]^2 for R[j][i]).
void normal_equations(const PairTable& t, Table& sum, Table& normal) {
    const int n = t.n;
    auto value = [&](int i, int j) { return t.at(i, j).value_or(0.0); };
    sum.assign(n, std::vector<double>(n, 0.0));
    normal.assign(n, std::vector<double>(n, 0.0));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) sum[i][j] = value(i, j) + value(j, i);
    for (int i = 0; i < n; ++i) {
        double d = 0;
        for (int j = 0; j < n; ++j) {
            if (j == i) continue;
            const bool forward = t.at(i, j).has_value(), back = t.at(j, i).has_value();
            if (forward && back)
                d = d + (1 + value(j, i) * value(j, i));
            else if (forward)
                d = d + 1;
            else if (back)
                d = d + value(j, i) * value(j, i);
        }
        for (int j = 0; j < n; ++j) normal[i][j] = j == i ? d : -sum[i][j];
    }
}

// One reduced system per reference zone p, its factor fixed at 1, over the zones linked to p
// through pairs with a value (all zones when every zone is linked to the others): a zone that
// shares nothing would make every other system singular. Row p of the result holds the
// factors solved with reference p (not a number for the zones outside p's group); `finite[p]`
// tells whether the whole solve gave numbers.
Table solve_per_reference(const Table& normal, const Table& sum, const std::vector<int>& group,
                          const char* zero_pivot_message, std::vector<bool>& finite) {
    const int n = static_cast<int>(normal.size());
    const int dim = std::max(20, n);
    Table k(n, std::vector<double>(n, std::numeric_limits<double>::quiet_NaN()));
    finite.assign(static_cast<size_t>(n), true);
    for (int p = 0; p < n; ++p) {
        std::vector<int> members;  // the reduced system's zones, in zone order
        for (int c = 0; c < n; ++c)
            if (c != p && group[c] == group[p]) members.push_back(c);
        const int m = static_cast<int>(members.size());
        Matrix b(dim);
        std::vector<double> rhs(static_cast<size_t>(dim), 0.0);
        for (int u = 0; u < m; ++u) {
            for (int w = 0; w < m; ++w) b(u, w) = normal[members[u]][members[w]];
            rhs[u] = sum[p][members[u]];
        }
        inversemat(b, m, zero_pivot_message);
        produitmat(b, rhs, m);
        k[p][p] = 1;
        for (int u = 0; u < m; ++u) {
            k[p][members[u]] = rhs[u];
            if (!std::isfinite(rhs[u])) finite[p] = false;
        }
    }
    return k;
}

// Each zone's factor: the mean of its values over the finite solves of its group, divided by
// zone 1's mean. A zone that no solve but its own determines keeps 1 (`kept_one`); a zone of
// another group than zone 1's is not tied to it (`not_tied`).
void average_factors(const Table& k, const std::vector<bool>& finite, const std::vector<int>& group,
                     FactorSolution& out) {
    const int n = static_cast<int>(k.size());
    std::vector<double> raw(static_cast<size_t>(n), 1.0);
    std::vector<bool> determined(static_cast<size_t>(n), false);
    for (int c = 0; c < n; ++c) {
        double total = 0;
        int count = 0;
        for (int p = 0; p < n; ++p) {
            if (!finite[p] || group[p] != group[c]) continue;
            total += k[p][c];
            ++count;
            if (p != c) determined[c] = true;
        }
        if (count > 0) raw[c] = total / count;
    }
    const double first = n > 0 ? raw[0] : 1;
    out.factors.resize(static_cast<size_t>(n));
    for (int c = 0; c < n; ++c) {
        out.factors[c] = raw[c] / first;
        if (c > 0 && (!determined[c] || !std::isfinite(out.factors[c]))) {
            out.factors[c] = 1;
            out.kept_one.push_back(c);
        } else if (c > 0 && group[c] != group[0]) {
            out.not_tied.push_back(c);
        }
    }
    if (n > 0) out.factors[0] = 1;
}

// Each row divided by its first value.
Table normalised_rows(Table rows) {
    for (auto& row : rows) {
        const double head = row[0];
        for (double& x : row) x = x / head;
    }
    return rows;
}

}  // namespace

FactorSolution solve_factors(const PairTable& t, const char* zero_pivot_message) {
    FactorSolution out;
    Table sum;
    normal_equations(t, sum, out.normal);
    const std::vector<int> group = linked_groups(t);
    std::vector<bool> finite;
    out.k = solve_per_reference(out.normal, sum, group, zero_pivot_message, finite);
    average_factors(out.k, finite, group, out);
    out.normalised = normalised_rows(out.k);
    return out;
}

namespace {

// A table as the reports write it; a value that is not a number shows as 0.
std::string table_text(const std::vector<std::vector<double>>& rows, const char* cell) {
    std::string text;
    for (const auto& row : rows) {
        for (double x : row) text += strprintf(cell, std::isfinite(x) ? x : 0.0);
        text += "\n";
    }
    return text;
}

std::vector<std::vector<double>> values_of(const PairTable& t) {
    std::vector<std::vector<double>> rows(t.n, std::vector<double>(t.n, 0.0));
    for (int i = 0; i < t.n; ++i)
        for (int j = 0; j < t.n; ++j) rows[i][j] = t.at(i, j).value_or(0.0);
    return rows;
}

// Every ordered pair compared; `retained[i * n + j]` receives the retained reflections of the
// pair (i, j).
PairTable compare_all(const Session& s, PreparedFiles& files, const std::vector<Zone>& zones,
                      double sigma, OutFile& report, PairComparison compare,
                      std::vector<std::vector<Retained>>& retained) {
    const int n = static_cast<int>(zones.size());
    PairTable table(n);
    retained.assign(static_cast<size_t>(n * n), {});
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            table.at(i, j) = compare(s, files, zones[i].prepared, zones[j].prepared, sigma, report,
                                     &retained[static_cast<size_t>(i * n + j)]);
    return table;
}

void warn(const Session& s, const std::vector<Zone>& zones, const FactorSolution& f,
          const char* what) {
    for (int c : f.kept_one) say(s.term, s.msg.factor_kept_one, what, c + 1, zones[c].name.c_str());
    for (int c : f.not_tied) say(s.term, s.msg.factor_not_tied, c + 1, zones[c].name.c_str(), what);
}

}  // namespace

ScaleFactors global_scale_factors(const Session& s, PreparedFiles& files,
                                  const std::vector<Zone>& zones, double sigma, OutFile& report,
                                  OutFile& report_g) {
    std::FILE* out = s.term.out;
    std::vector<std::vector<Retained>> r_pairs, g_pairs;
    const PairTable r = compare_all(s, files, zones, sigma, report, scaling, r_pairs);
    const PairTable g = compare_all(s, files, zones, sigma, report_g, scaling2, g_pairs);

    const std::string r_text = table_text(values_of(r), "%lf\t");
    std::fputs(r_text.c_str(), out);
    report.write(r_text);
    report_g.write(table_text(values_of(g), "%lf\t"));
    std::fputs("\n", out);
    report.write("\n");
    report_g.write("\n");

    const FactorSolution lin = solve_factors(r, s.msg.zero_pivot);
    const FactorSolution gs = solve_factors(g, s.msg.zero_pivot);
    std::fputs(table_text(lin.normal, "%lf\t").c_str(), out);
    const std::string k_text = table_text(lin.k, "%lf  ");
    std::fputs(k_text.c_str(), out);
    report.write("\n\n\n" + k_text);
    report_g.write("\n\n\n" + table_text(gs.k, "%lf  "));

    const int n = static_cast<int>(zones.size());
    for (int c = 0; c < n; ++c) std::fprintf(out, s.msg.linear_factor, c + 1, lin.factors[c]);
    report.write("\n\n");
    report_g.write("\n\n");
    for (int c = 0; c < n; ++c) {
        report.printf(s.msg.linear_factor, c + 1, lin.factors[c]);
        report_g.printf(s.msg.g_factor, c + 1, gs.factors[c]);
    }
    report.write("\n\n\n");
    report_g.write("\n\n\n");
    report.write(table_text(lin.normalised, "%lf  "));
    report_g.write(table_text(gs.normalised, "%lf  "));

    warn(s, zones, lin, s.msg.linear_word);
    warn(s, zones, gs, s.msg.g_word);

    std::vector<const IndexedReflections*> indexed;
    for (const Zone& z : zones) {
        int reason = 0;
        indexed.push_back(files.get(z.prepared, reason));
    }
    const auto lin_u =
        factor_uncertainties(indexed, PairKind::intensities, sigma, r, lin, &r_pairs);
    const auto g_u = factor_uncertainties(indexed, PairKind::g, sigma, g, gs, &g_pairs);
    ScaleFactors result{lin.factors, gs.factors, {}};
    for (int c = 0; c < n; ++c) result.uncertainty.push_back({lin_u[c], g_u[c]});
    return result;
}

}  // namespace ped::merge
