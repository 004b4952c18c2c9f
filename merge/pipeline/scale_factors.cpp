#include "merge/pipeline/scale_factors.hpp"

#include <cmath>
#include <optional>
#include <string>

#include "common/text.hpp"
#include "merge/pipeline/least_squares.hpp"
#include "merge/pipeline/pair_compare.hpp"

namespace ped::merge {

namespace {

// A table as the reports write it, n x n; a value that is not a number shows as 0.
template <typename Value>
std::string table_text(int n, Value value, const char* cell) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double x = value(i, j);
            text += strprintf(cell, std::isfinite(x) ? x : 0.0);
        }
        text += "\n";
    }
    return text;
}

std::string table_text(const Matrix& m, const char* cell) {
    return table_text(
        m.dimension(), [&m](int i, int j) { return m(i, j); }, cell);
}

std::string table_text(const PairTable& t) {
    return table_text(
        t.n, [&t](int i, int j) { return t.at(i, j).value_or(0.0); }, "%lf\t");
}

// The retained reflections of the pairs are kept for the uncertainties while all of one kind
// number fewer than this (40 MB); beyond, n x n lists would hold a run of many zones in memory,
// and the uncertainties find them again, pair by pair, as they need them.
constexpr size_t kKeptRetained = size_t{1} << 20;

// One kind of comparison over every ordered pair, with the retained reflections of each while
// they are few enough.
struct Compared {
    PairTable table;
    std::optional<RetainedPairs> retained;
};

Compared compare_all(const Session& s, PreparedFiles& files, const std::vector<Zone>& zones,
                     double sigma, OutFile& report, PairComparison compare) {
    const size_t n = zones.size();
    Compared c{PairTable(static_cast<int>(n)), RetainedPairs(n * n)};
    size_t kept = 0;
    for (size_t i = 0; i < n; ++i)
        for (size_t j = 0; j < n; ++j) {
            std::vector<Retained>* retained = c.retained ? &(*c.retained)[i * n + j] : nullptr;
            c.table.at(static_cast<int>(i), static_cast<int>(j)) =
                compare(s, files, zones[i].prepared, zones[j].prepared, sigma, report, retained);
            if (retained && (kept += retained->size()) > kKeptRetained) c.retained.reset();
        }
    return c;
}

// The pair tables: the linear one on the console and in its report, the g one in its report.
void write_pair_tables(std::FILE* out, const PairTable& r, const PairTable& g, OutFile& report,
                       OutFile& report_g) {
    const std::string r_text = table_text(r);
    std::fputs(r_text.c_str(), out);
    report.write(r_text);
    report_g.write(table_text(g));
    std::fputs("\n", out);
    report.write("\n");
    report_g.write("\n");
}

// The solutions and the factors: the normal matrix, the solves and the linear factors on the
// console; the solves, the factors and the normalised solves in each report.
void write_solutions(const Session& s, const FactorSolution& lin, const FactorSolution& gs,
                     OutFile& report, OutFile& report_g) {
    std::FILE* out = s.term.out;
    std::fputs(table_text(lin.normal, "%lf\t").c_str(), out);
    const std::string k_text = table_text(lin.k, "%lf  ");
    std::fputs(k_text.c_str(), out);
    report.write("\n\n\n" + k_text);
    report_g.write("\n\n\n" + table_text(gs.k, "%lf  "));
    const int n = static_cast<int>(lin.factors.size());
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
}

void warn(const Session& s, const std::vector<Zone>& zones, const FactorSolution& f,
          const char* what) {
    for (int c : f.kept_one) say(s.term, s.msg.factor_kept_one, what, c + 1, zones[c].name.c_str());
    for (int c : f.not_tied) say(s.term, s.msg.factor_not_tied, c + 1, zones[c].name.c_str(), what);
}

// Every zone's records, null for a file that cannot be read.
std::vector<const IndexedReflections*> records_of(PreparedFiles& files,
                                                  const std::vector<Zone>& zones) {
    std::vector<const IndexedReflections*> indexed;
    for (const Zone& z : zones) {
        int reason = 0;
        indexed.push_back(files.get(z.prepared, reason));
    }
    return indexed;
}

}  // namespace

ScaleFactors global_scale_factors(const Session& s, PreparedFiles& files,
                                  const std::vector<Zone>& zones, double sigma, OutFile& report,
                                  OutFile& report_g) {
    const Compared r = compare_all(s, files, zones, sigma, report, scaling);
    const Compared g = compare_all(s, files, zones, sigma, report_g, scaling2);
    write_pair_tables(s.term.out, r.table, g.table, report, report_g);
    const FactorSolution lin = solve_factors(r.table, s.msg.zero_pivot);
    const FactorSolution gs = solve_factors(g.table, s.msg.zero_pivot);
    write_solutions(s, lin, gs, report, report_g);
    warn(s, zones, lin, s.msg.linear_word);
    warn(s, zones, gs, s.msg.g_word);

    const std::vector<const IndexedReflections*> records = records_of(files, zones);
    const auto kept = [](const Compared& c) { return c.retained ? &*c.retained : nullptr; };
    const auto lin_u =
        factor_uncertainties(records, PairKind::intensities, sigma, r.table, lin, kept(r));
    const auto g_u = factor_uncertainties(records, PairKind::g, sigma, g.table, gs, kept(g));
    ScaleFactors result{lin.factors, gs.factors, {}};
    for (size_t c = 0; c < zones.size(); ++c) result.uncertainty.push_back({lin_u[c], g_u[c]});
    return result;
}

}  // namespace ped::merge
