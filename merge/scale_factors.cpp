#include "scale_factors.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "pair_compare.hpp"
#include "text.hpp"

namespace ped {

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

}  // namespace

FactorSolution solve_factors(const PairTable& t, const char* zero_pivot_message) {
    const int n = t.n;
    const int dim = std::max(20, n);
    auto value = [&](int i, int j) { return t.at(i, j).value_or(0.0); };

    // S[i][j] = R[i][j] + R[j][i]; d[i] = sum over j != i of (1 + R[j][i]^2), each term only
    // for the pairs that have a value.
    std::vector<std::vector<double>> sum(n, std::vector<double>(n, 0.0));
    FactorSolution out;
    out.normal.assign(n, std::vector<double>(n, 0.0));
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
        for (int j = 0; j < n; ++j) out.normal[i][j] = j == i ? d : -sum[i][j];
    }

    // One reduced system per reference zone p, its factor fixed at 1, over the zones linked
    // to p through pairs with a value (all zones when every zone is linked to the others):
    // a zone sharing nothing would make every other system singular. Zones outside the
    // group get no value from this solve.
    const std::vector<int> group = linked_groups(t);
    out.k.assign(n, std::vector<double>(n, std::numeric_limits<double>::quiet_NaN()));
    std::vector<bool> finite(static_cast<size_t>(n));
    for (int p = 0; p < n; ++p) {
        std::vector<int> members;  // the reduced system's zones, in zone order
        for (int c = 0; c < n; ++c)
            if (c != p && group[c] == group[p]) members.push_back(c);
        const int m = static_cast<int>(members.size());
        Matrix b(dim);
        std::vector<double> rhs(static_cast<size_t>(dim), 0.0);
        for (int u = 0; u < m; ++u) {
            for (int w = 0; w < m; ++w) b(u, w) = out.normal[members[u]][members[w]];
            rhs[u] = sum[p][members[u]];
        }
        inversemat(b, m, zero_pivot_message);
        produitmat(b, rhs, m);
        out.k[p][p] = 1;
        finite[p] = true;
        for (int u = 0; u < m; ++u) {
            out.k[p][members[u]] = rhs[u];
            if (!std::isfinite(rhs[u])) finite[p] = false;
        }
    }

    // Averages over the solves that determine each zone.
    std::vector<double> raw(static_cast<size_t>(n), 1.0);
    std::vector<bool> determined(static_cast<size_t>(n), false);
    for (int c = 0; c < n; ++c) {
        double total = 0;
        int count = 0;
        for (int p = 0; p < n; ++p) {
            if (!finite[p] || group[p] != group[c]) continue;
            total += out.k[p][c];
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

    out.normalised = out.k;
    for (auto& row : out.normalised) {
        const double head = row[0];
        for (double& x : row) x = x / head;
    }
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

PairTable compare_all(const Session& s, PreparedFiles& files, const std::vector<Zone>& zones,
                      double sigma, OutFile& report, PairKind kind) {
    const int n = static_cast<int>(zones.size());
    PairTable table(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            table.at(i, j) =
                compare_pair(s, files, kind, zones[i].prepared, zones[j].prepared, sigma, report);
    return table;
}

void warn(const Session& s, const std::vector<Zone>& zones, const FactorSolution& f,
          const char* what) {
    for (int c : f.kept_one)
        std::fprintf(s.term.diag,
                     "warning: no pair comparison determines the %s scale factor of zone %d (%s): "
                     "it keeps the factor 1\n",
                     what, c + 1, zones[c].name.c_str());
    for (int c : f.not_tied)
        std::fprintf(s.term.diag,
                     "warning: zone %d (%s) shares no retained reflection, even through other "
                     "zones, with zone 1: its %s scale factor is not tied to zone 1\n",
                     c + 1, zones[c].name.c_str(), what);
}

}  // namespace

ScaleFactors global_scale_factors(const Session& s, PreparedFiles& files,
                                  const std::vector<Zone>& zones, double sigma, OutFile& report,
                                  OutFile& report_g) {
    std::FILE* out = s.term.out;
    const PairTable r = compare_all(s, files, zones, sigma, report, PairKind::intensities);
    const PairTable g = compare_all(s, files, zones, sigma, report_g, PairKind::g);

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

    warn(s, zones, lin, "linear");
    warn(s, zones, gs, "g");
    return {lin.factors, gs.factors};
}

}  // namespace ped
