#include "merge/pipeline/scale_factors.hpp"

#include <cmath>
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

// One kind of comparison over every ordered pair. The retained reflections of the pairs are
// not kept: n x n lists would hold a run of many zones in memory, and the uncertainties find
// them again, pair by pair, as they need them.
PairTable compare_all(const Session& s, PreparedFiles& files, const std::vector<Zone>& zones,
                      double sigma, OutFile& report, PairComparison compare) {
    const int n = static_cast<int>(zones.size());
    PairTable table(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            table.at(i, j) =
                compare(s, files, zones[i].prepared, zones[j].prepared, sigma, report, nullptr);
    return table;
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
    const PairTable r = compare_all(s, files, zones, sigma, report, scaling);
    const PairTable g = compare_all(s, files, zones, sigma, report_g, scaling2);
    write_pair_tables(s.term.out, r, g, report, report_g);
    const FactorSolution lin = solve_factors(r, s.msg.zero_pivot);
    const FactorSolution gs = solve_factors(g, s.msg.zero_pivot);
    write_solutions(s, lin, gs, report, report_g);
    warn(s, zones, lin, s.msg.linear_word);
    warn(s, zones, gs, s.msg.g_word);

    const std::vector<const IndexedReflections*> records = records_of(files, zones);
    const auto lin_u = factor_uncertainties(records, PairKind::intensities, sigma, r, lin);
    const auto g_u = factor_uncertainties(records, PairKind::g, sigma, g, gs);
    ScaleFactors result{lin.factors, gs.factors, {}};
    for (size_t c = 0; c < zones.size(); ++c) result.uncertainty.push_back({lin_u[c], g_u[c]});
    return result;
}

}  // namespace ped::merge
